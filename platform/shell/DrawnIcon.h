#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

class wxBrush;
class wxDC;

// Icons drawn by the programs rather than loaded from files.

// A size x size bitmap cleared to `background`, with `drawArtwork` painting
// on it at that size.
wxBitmap DrawIconBitmap(int size, const wxBrush& background, void (*drawArtwork)(wxDC& dc, int size));

// The icon that `makeBitmap` draws, in the sizes a desktop asks for (16, 32,
// 48).
wxIconBundle MakeIconBundle(wxBitmap (*makeBitmap)(int size));
