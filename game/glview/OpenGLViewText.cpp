// COpenGLView: font display lists and text.
#include "game/glview/OpenGLView.h"

#include "platform/gl/FontRequest.h"
#include "platform/gl/GLBinding.h"

#include <cstring>

namespace {

// A font is one display list per character code.
constexpr GLsizei kGlyphCount = 256;
constexpr int kFontHeight = -12;          // em height of 12 pixels
constexpr int kFontWeightRegular = 400;
// Outline glyphs are extruded 0.1 em towards negative z.
constexpr double kOutlineExtrusion = 0.1;
constexpr float kOutlineDeviation = 0.0f;

FontRequest MakeRequest(const char* face, unsigned char precision)
{
    FontRequest request;
    request.height = kFontHeight;
    request.weight = kFontWeightRegular;
    request.charSet = kAnsiCharSet;
    request.outPrecision = precision;
    request.SetFaceName(face);
    return request;
}

} // namespace

unsigned COpenGLView::CreateFontLists(const char* outlineFace, const char* bitmapFace)
{
    m_outlineFontBase = MakeOutlineFontList(outlineFace, kOutlineExtrusion);
    m_bitmapFontBase = MakeBitmapFontList(bitmapFace);
    return m_bitmapFontBase;
}

unsigned COpenGLView::MakeOutlineFontList(const char* face, double extrusion)
{
    if (!m_pDC || !face)
        return 0;
    const GLuint base = glGenLists(kGlyphCount);
    if (base == 0)
        return 0;
    const FontRequest request = MakeRequest(face, kOutTrueTypeOnly);
    if (!Binding().UseFontOutlines(m_pDC, request, 0, kGlyphCount, base, kOutlineDeviation,
                                   static_cast<float>(extrusion))) {
        glDeleteLists(base, kGlyphCount);
        return 0;
    }
    return base;
}

unsigned COpenGLView::MakeBitmapFontList(const char* face)
{
    if (!m_pDC)
        return 0;
    const GLuint base = glGenLists(kGlyphCount);
    if (base == 0)
        return 0;
    // No face: the desktop's default face at its default size.
    const FontRequest request = MakeRequest(face, kOutDefaultPrecision);
    if (!Binding().UseFontBitmaps(m_pDC, face ? &request : nullptr, 0, kGlyphCount, base)) {
        glDeleteLists(base, kGlyphCount);
        return 0;
    }
    return base;
}

void COpenGLView::RenderText(unsigned listBase, const char* text)
{
    if (listBase == 0 || !text)
        return;
    glListBase(listBase);
    glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
}
