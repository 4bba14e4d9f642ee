#include "platform/BitmapGlyphLists.h"
#include "platform/FontFace.h"
#include "platform/FontRequest.h"
#include "platform/OutlineGlyphLists.h"
#include "tests/platform/GLCanvasFixture.h"

#include <GL/gl.h>

#include <cstring>

namespace {

constexpr unsigned kGlyphs = 256;

class GlyphLists : public CGLCanvasFixture {
protected:
    void SetUp() override
    {
        CGLCanvasFixture::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        m_base = glGenLists(kGlyphs);
        ASSERT_NE(m_base, 0u);
    }

    FontFace OutlineFace()
    {
        FontRequest request;
        request.outPrecision = kOutTrueTypeOnly;
        request.SetFaceName("Ariel");
        FontFace face;
        EXPECT_TRUE(MatchFontFace(&request, face));
        return face;
    }

    // The x translation of the modelview matrix after calling the lists.
    double AdvanceOf(const char* text)
    {
        glPushMatrix();
        glLoadIdentity();
        glListBase(m_base);
        glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
        GLdouble matrix[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, matrix);
        glPopMatrix();
        return matrix[12];
    }

    // The raster position's x after calling the lists from x = 10.
    float RasterAfter(const char* text)
    {
        glRasterPos2i(10, 10);
        glListBase(m_base);
        glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
        GLfloat position[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
        return position[0];
    }

    GLuint m_base = 0;
};

TEST_F(GlyphLists, OutlineGlyphsAreFilledAdvancingListsOneUnitPerEm)
{
    ASSERT_TRUE(BuildOutlineGlyphLists(OutlineFace(), 0, kGlyphs, m_base, 0.1f));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const double h = AdvanceOf("H");
    EXPECT_GT(h, 0.4);
    EXPECT_LT(h, 1.2);
    EXPECT_NEAR(AdvanceOf("HHH"), 3 * h, 1e-5);  // matrices hold floats
    EXPECT_GT(AdvanceOf(" "), 0.1);
    EXPECT_NEAR(AdvanceOf("H H"), 2 * h + AdvanceOf(" "), 1e-5);

    // 'H' at 100 pixels per em, baseline at y = 20: drawn in the current
    // colour, above the baseline and right of the pen.
    glColor3d(1.0, 0.0, 0.0);
    glTranslated(20, 20, 0);
    glScaled(100, 100, 100);
    glCallList(m_base + 'H');
    EXPECT_GT(CountPixels(255, 0, 0), 1000);
    EXPECT_EQ(CountPixels(255, 0, 0, 0, 19), 0);
    const std::vector<unsigned char> pixels = ReadPixels();
    for (int x = 0; x < kWidth; ++x)
        ASSERT_EQ(pixels[(18 * kWidth + x) * 3], 0) << "below the baseline at x " << x;
}

TEST_F(GlyphLists, OutlineGlyphsAreExtrudedTowardsNegativeZ)
{
    ASSERT_TRUE(BuildOutlineGlyphLists(OutlineFace(), 0, kGlyphs, m_base, 0.1f));
    // Seen from the side (turned about y), the glyph's depth lies along x:
    // z from -0.1 to 0 becomes x from -10 to 0 pixels left of x = 100.
    glColor3d(0.0, 1.0, 0.0);
    glTranslated(100, 20, 0);
    glRotated(90, 0, 1, 0);
    glScaled(100, 100, 100);
    glCallList(m_base + 'H');
    EXPECT_GT(CountPixels(0, 255, 0, 90, 100), 300);
    EXPECT_EQ(CountPixels(0, 255, 0, 101, kWidth), 0);
    EXPECT_EQ(CountPixels(0, 255, 0, 0, 89), 0);
}

TEST_F(GlyphLists, BitmapGlyphsAdvanceTheRasterPositionEvenWhenBlank)
{
    FontFace face;
    ASSERT_TRUE(MatchFontFace(nullptr, face));
    ASSERT_TRUE(BuildBitmapGlyphLists(face, 0, kGlyphs, m_base));

    const float a = RasterAfter("A") - 10;
    const float space = RasterAfter(" ") - 10;
    EXPECT_GT(a, 3.0f);
    EXPECT_GT(space, 1.0f);
    // One call over the whole string, as text is drawn.
    EXPECT_FLOAT_EQ(RasterAfter("A A"), 10 + 2 * a + space);

    glClear(GL_COLOR_BUFFER_BIT);
    glColor3d(0.0, 0.0, 1.0);
    RasterAfter("A");
    EXPECT_GT(CountPixels(0, 0, 255), 10);
    EXPECT_EQ(CountPixels(0, 0, 255, 0, 9), 0);
}

TEST_F(GlyphLists, AFaceThatCannotBeOpenedIsAFailure)
{
    FontFace missing;
    missing.file = "/nonexistent/font.ttf";
    missing.pixelSize = 12;
    EXPECT_FALSE(BuildOutlineGlyphLists(missing, 0, kGlyphs, m_base, 0.1f));
    EXPECT_FALSE(BuildBitmapGlyphLists(missing, 0, kGlyphs, m_base));
    EXPECT_FALSE(BuildOutlineGlyphLists(OutlineFace(), 0, kGlyphs, 0, 0.1f));
}

} // namespace
