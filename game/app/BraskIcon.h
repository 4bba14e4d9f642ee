#pragma once

#include <wx/bitmap.h>
#include <wx/iconbndl.h>

// The game's icon, drawn rather than loaded: a slab of course seen from the
// chase camera, with a grey wall at its front edge, a finish tile, and the
// ball (the upside-down pyramid with its orange cap) standing on it.
wxBitmap MakeBraskBitmap(int size);

// The icon in the sizes a desktop asks for (16, 32, 48).
wxIconBundle MakeBraskIcons();
