#include "editor/app/BraskitIcon.h"

#include "editor/core/CornerColor.h"
#include "platform/shell/DrawnIcon.h"

#include <wx/dc.h>

namespace {

// Heights whose colours make a lively patch: low, middle and high bands.
constexpr int kIconHeights[2][2][4] = {
    {{0, 15, 25, 5}, {15, 35, 45, 25}},
    {{5, 25, 55, 20}, {25, 45, 99, 55}},
};

void DrawCornerPatch(wxDC& dc, int size)
{
    const int cell = size / 2;
    const int square = cell * 2 / 5 > 1 ? cell * 2 / 5 : 1;
    const int margin = cell / 12;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            const int left = column * cell;
            const int top = row * cell;
            const int* heights = kIconHeights[row][column];
            // corner[0] bottom-left, [1] bottom-right, [2] top-right, [3] top-left.
            const wxPoint places[4] = {
                {left + margin, top + cell - margin - square},
                {left + cell - margin - square, top + cell - margin - square},
                {left + cell - margin - square, top + margin},
                {left + margin, top + margin},
            };
            for (int corner = 0; corner < 4; ++corner) {
                const RgbColor c = CornerColor(heights[corner]);
                dc.SetPen(*wxTRANSPARENT_PEN);
                dc.SetBrush(wxBrush(wxColour(c.red, c.green, c.blue)));
                dc.DrawRectangle(places[corner].x, places[corner].y, square, square);
            }
        }
    }
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(cell, 0, cell, size);
    dc.DrawLine(0, cell, size, cell);
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(0, 0, size, size);
}

}  // namespace

wxBitmap MakeBraskitBitmap(int size)
{
    return DrawIconBitmap(size, *wxWHITE_BRUSH, DrawCornerPatch);
}

wxIconBundle MakeBraskitIcons()
{
    return MakeIconBundle(MakeBraskitBitmap);
}
