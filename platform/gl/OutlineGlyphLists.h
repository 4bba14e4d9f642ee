#pragma once

struct FontFace;

// Records glyphs first..first+count-1 (character codes, read as Latin-1)
// of a face into the display lists listBase.... The view's context must be
// current and the lists must exist (glGenLists). False when the face cannot
// be opened; a code the face has no glyph for gets the face's
// missing-glyph shape.

// Filled polygons, 1 unit per em, the front face at z = 0 and extruded to
// z = -extrusion; each list ends by moving the modelview matrix along x by
// the glyph's advance, so that glCallLists lays a string out.
bool BuildOutlineGlyphLists(const FontFace& face, unsigned first, unsigned count, unsigned listBase,
                            float extrusion);
