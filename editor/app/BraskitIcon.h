#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

// The program's icon, drawn rather than loaded: a 2 x 2 patch of course
// cells with coloured corner squares, as the editor shows them.
wxBitmap MakeBraskitBitmap(int size);

// The icon in the sizes a desktop asks for (16, 32, 48).
wxIconBundle MakeBraskitIcons();
