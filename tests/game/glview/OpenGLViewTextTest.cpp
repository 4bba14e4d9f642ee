#include "tests/game/glview/ViewTestSupport.h"

#include <GL/gl.h>

#include <cstdlib>

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr GLuint kGlyphs = 256;

class Text : public CViewTest {
protected:
    // Pixels of the back buffer near the colour.
    static int CountPixels(unsigned char r, unsigned char g, unsigned char b)
    {
        std::vector<unsigned char> pixels(kWidth * kHeight * 3);
        glFinish();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        int count = 0;
        for (size_t i = 0; i < pixels.size(); i += 3)
            count += std::abs(pixels[i] - r) <= 2 && std::abs(pixels[i + 1] - g) <= 2 && std::abs(pixels[i + 2] - b) <= 2;
        return count;
    }

    // How many display lists the context holds (names up to 16383).
    static int ListCount()
    {
        int count = 0;
        for (GLuint name = 1; name < 16384; ++name)
            count += glIsList(name) ? 1 : 0;
        return count;
    }

    static bool AllListsExist(GLuint base)
    {
        for (GLuint c = 0; c < kGlyphs; ++c) {
            if (!glIsList(base + c))
                return false;
        }
        return true;
    }

    // Outline text 60 pixels per em from (20, 100) in red; the red pixels.
    int DrawOutline(GLuint base, const char* text)
    {
        UsePixelProjection(kWidth, kHeight);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glColor3d(1.0, 0.0, 0.0);
        glTranslated(20, 100, 0);
        glScaled(60, 60, 60);
        m_view->RenderText(base, text);
        return CountPixels(255, 0, 0);
    }

    static double ModelviewX()
    {
        GLdouble matrix[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, matrix);
        return matrix[12];
    }
};

TEST_F(Text, SetUpBuildsBothFontsOf256Lists)
{
    CTestView* view = CreateView();
    ASSERT_NE(view->m_outlineFontBase, 0u);
    ASSERT_NE(view->m_bitmapFontBase, 0u);
    EXPECT_TRUE(AllListsExist(view->m_outlineFontBase));
    EXPECT_TRUE(AllListsExist(view->m_bitmapFontBase));

    // Building again makes new lists and keeps the earlier ones.
    const GLuint oldOutline = view->m_outlineFontBase;
    const unsigned bitmap = view->CreateFontLists("Ariel", nullptr);
    EXPECT_EQ(bitmap, view->m_bitmapFontBase);
    EXPECT_NE(view->m_outlineFontBase, oldOutline);
    EXPECT_TRUE(AllListsExist(oldOutline));
}

TEST_F(Text, RenderTextDrawsAWordInTheCurrentColourAndLaysItOut)
{
    CTestView* view = CreateView();
    const GLuint base = view->m_outlineFontBase;
    EXPECT_GT(DrawOutline(base, "Hi"), 300);
    const double afterHi = ModelviewX();
    EXPECT_GT(afterHi, 20 + 60 * 0.5);  // moved along x by the word's width
    EXPECT_GT(DrawOutline(base, "HiHi"), DrawOutline(base, "Hi"));

    EXPECT_EQ(DrawOutline(0, "Hi"), 0);
    EXPECT_EQ(ModelviewX(), 20.0);
    EXPECT_EQ(DrawOutline(base, nullptr), 0);
    EXPECT_EQ(DrawOutline(base, ""), 0);
    EXPECT_EQ(ModelviewX(), 20.0);
}

TEST_F(Text, TheBuildersNeedAWindowAndAnOutlineFaceName)
{
    CTestView* view = CreateView();
    const int lists = ListCount();
    EXPECT_EQ(view->MakeOutlineFontList(nullptr, 0.1), 0u);
    EXPECT_EQ(ListCount(), lists) << "no lists were made";
    const GLuint systemFont = view->MakeBitmapFontList(nullptr);
    EXPECT_NE(systemFont, 0u);
    EXPECT_TRUE(AllListsExist(systemFont));
    // A face name longer than the request holds still gives a font.
    EXPECT_NE(view->MakeOutlineFontList("An Extremely Long Face Name That Nobody Installed", 0.1), 0u);
    DestroyFrame();

    // No window drawable: nothing is built.
    m_binding.failing = {CFaultyBinding::StepDrawable};
    view = CreateView();
    EXPECT_EQ(view->m_pDC, nullptr);
    EXPECT_EQ(view->CreateFontLists("Ariel", "Courier"), 0u);
    EXPECT_EQ(view->m_outlineFontBase, 0u);
    EXPECT_EQ(view->m_bitmapFontBase, 0u);
}

TEST_F(Text, AFailedGlyphBuildDeletesItsListsAndGivesNoFont)
{
    CTestView* view = CreateView();
    for (CFaultyBinding::Step step : {CFaultyBinding::StepFontOutlines, CFaultyBinding::StepFontBitmaps}) {
        m_binding.failing = {step};
        const int lists = ListCount();
        const unsigned result = step == CFaultyBinding::StepFontOutlines ? view->MakeOutlineFontList("Ariel", 0.1)
                                                                          : view->MakeBitmapFontList("Courier");
        EXPECT_EQ(result, 0u);
        EXPECT_EQ(ListCount(), lists) << "lists left behind";
        EXPECT_EQ(DrawOutline(result, "Hi"), 0);
    }
    EXPECT_STREQ(view->m_errorText, "No Error") << "fonts record no error";
}

} // namespace
