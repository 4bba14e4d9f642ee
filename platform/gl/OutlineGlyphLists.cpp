#include "platform/gl/OutlineGlyphLists.h"

#include "platform/gl/FontFace.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>

namespace {

// Outlines are vectorised at this many units per em and scaled down to one
// unit per em inside each list: FreeType's 26.6 coordinates are too coarse
// at one pixel per em.
constexpr unsigned kOutlineUnitsPerEm = 100;

} // namespace

bool BuildOutlineGlyphLists(const FontFace& face, unsigned first, unsigned count, unsigned listBase,
                            float extrusion)
{
    if (face.file.empty() || listBase == 0)
        return false;
    FTExtrudeFont font(face.file.c_str());
    if (font.Error())
        return false;
    // Glyph lists of the font's own would be nested inside ours, which the
    // driver refuses; the geometry goes straight into our lists instead.
    font.UseDisplayList(false);
    font.CharMap(FT_ENCODING_UNICODE);
    if (!font.FaceSize(kOutlineUnitsPerEm))
        return false;
    font.Depth(extrusion * kOutlineUnitsPerEm);

    const double toEm = 1.0 / kOutlineUnitsPerEm;
    for (unsigned i = 0; i < count; ++i) {
        // Wide characters: the narrow calls would decode the bytes as UTF-8,
        // and Latin-1 code c is Unicode code point c.
        const wchar_t glyph[2] = {static_cast<wchar_t>(first + i), L'\0'};
        const double advance = font.Advance(glyph, 1) * toEm;
        glNewList(listBase + i, GL_COMPILE);
        glPushMatrix();
        glScaled(toEm, toEm, toEm);
        font.Render(glyph, 1);
        glPopMatrix();
        glTranslated(advance, 0.0, 0.0);
        glEndList();
    }
    return true;
}
