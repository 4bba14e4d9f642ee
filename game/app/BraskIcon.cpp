#include "game/app/BraskIcon.h"

#include "platform/shell/DrawnIcon.h"

#include <wx/dc.h>

#include <cmath>

namespace {

// The artwork is drawn on a 32 x 32 grid and scaled to the size asked for.
constexpr double kArtSize = 32.0;

struct Shape {
    unsigned char red, green, blue;
    int corners;
    double point[4][2];
};

// Back to front, in the game's own colours.
constexpr Shape kShapes[] = {
    // The course slab: a height-coloured floor, light at the back.
    {38, 64, 150, 4, {{1, 19}, {17, 10}, {31, 17}, {15, 26}}},
    {28, 52, 110, 4, {{1, 19}, {8, 15.5}, {22, 22.5}, {15, 26}}},
    // The finish tile at the far corner.
    {102, 77, 77, 4, {{19, 11}, {23, 9}, {28, 11.5}, {24, 13.5}}},
    // Grey walls down the two front edges.
    {51, 51, 51, 4, {{1, 19}, {15, 26}, {15, 31}, {1, 24}}},
    {20, 20, 20, 4, {{15, 26}, {31, 17}, {31, 22}, {15, 31}}},
    // The ball: two sides and the cap of the pyramid, apex on the floor.
    {102, 128, 102, 3, {{14, 20}, {8, 6}, {14, 8.5}}},
    {51, 128, 153, 3, {{14, 20}, {14, 8.5}, {20, 6}}},
    {230, 128, 77, 4, {{8, 6}, {14, 8.5}, {20, 6}, {14, 3.5}}},
};

void DrawCourseSlab(wxDC& dc, int size)
{
    const double scale = size / kArtSize;
    dc.SetPen(*wxTRANSPARENT_PEN);
    for (const Shape& shape : kShapes) {
        wxPoint points[4];
        for (int i = 0; i < shape.corners; ++i)
            points[i] = wxPoint(static_cast<int>(std::lround(shape.point[i][0] * scale)),
                                static_cast<int>(std::lround(shape.point[i][1] * scale)));
        dc.SetBrush(wxBrush(wxColour(shape.red, shape.green, shape.blue)));
        dc.DrawPolygon(shape.corners, points);
    }
}

} // namespace

wxBitmap MakeBraskBitmap(int size)
{
    // On the game's black sky.
    return DrawIconBitmap(size, *wxBLACK_BRUSH, DrawCourseSlab);
}

wxIconBundle MakeBraskIcons()
{
    return MakeIconBundle(MakeBraskBitmap);
}
