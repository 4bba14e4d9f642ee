#include "platform/shell/DrawnIcon.h"

#include <wx/brush.h>
#include <wx/dcmemory.h>
#include <wx/icon.h>

namespace {

constexpr int kIconSizes[] = {16, 32, 48};

}  // namespace

wxBitmap DrawIconBitmap(int size, const wxBrush& background, void (*drawArtwork)(wxDC& dc, int size))
{
    wxBitmap bitmap(size, size, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(background);
    dc.Clear();
    drawArtwork(dc, size);
    // The bitmap is only complete once the drawing context lets it go.
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

wxIconBundle MakeIconBundle(wxBitmap (*makeBitmap)(int size))
{
    wxIconBundle icons;
    for (int size : kIconSizes) {
        wxIcon icon;
        icon.CopyFromBitmap(makeBitmap(size));
        icons.AddIcon(icon);
    }
    return icons;
}
