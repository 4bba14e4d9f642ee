#pragma once

struct FontFace;

// Records glyphs first..first+count-1 (character codes, read as Latin-1)
// of a face into the display lists listBase.... The view's context must be
// current and the lists must exist (glGenLists). False when the face cannot
// be opened; a code the face has no glyph for gets the face's
// missing-glyph shape.

// One glBitmap per glyph at the face's pixel size, each advancing the
// raster position by the glyph's advance.
bool BuildBitmapGlyphLists(const FontFace& face, unsigned first, unsigned count, unsigned listBase);
