#include "tests/game/glview/ViewTestSupport.h"

#include <GL/gl.h>

namespace {

constexpr GLuint kGlyphs = 256;

class Text : public CViewTest {
protected:
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
        UsePixelProjection();
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
    EXPECT_EQ(view->CreateFontLists("Ariel", nullptr), view->m_bitmapFontBase);
    EXPECT_NE(view->m_outlineFontBase, oldOutline);
    EXPECT_TRUE(AllListsExist(oldOutline));
}

TEST_F(Text, RenderTextDrawsAWordInTheCurrentColourAndLaysItOut)
{
    const GLuint base = CreateView()->m_outlineFontBase;
    const int hi = DrawOutline(base, "Hi");
    EXPECT_GT(hi, 300);
    EXPECT_GT(ModelviewX(), 20 + 60 * 0.5);  // moved along x by the word's width
    EXPECT_GT(DrawOutline(base, "HiHi"), hi);

    const std::pair<GLuint, const char*> nothing[] = {{0u, "Hi"}, {base, nullptr}, {base, ""}};
    for (const auto& [listBase, text] : nothing) {
        EXPECT_EQ(DrawOutline(listBase, text), 0);
        EXPECT_EQ(ModelviewX(), 20.0);
    }
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

    // A failed glyph build deletes its lists and gives no font; fonts
    // record no error.
    m_binding.failing = {CFaultyBinding::StepFonts};
    const int before = ListCount();
    EXPECT_EQ(view->MakeOutlineFontList("Ariel", 0.1), 0u);
    EXPECT_EQ(view->MakeBitmapFontList("Courier"), 0u);
    EXPECT_EQ(ListCount(), before) << "lists left behind";
    EXPECT_STREQ(view->m_errorText, "No Error");
    DestroyFrame();

    // No window drawable: nothing is built.
    m_binding.failing = {CFaultyBinding::StepDrawable};
    view = CreateView();
    EXPECT_EQ(view->m_pDC, nullptr);
    EXPECT_EQ(view->CreateFontLists("Ariel", "Courier"), 0u);
    EXPECT_EQ(view->m_outlineFontBase, 0u);
    EXPECT_EQ(view->m_bitmapFontBase, 0u);
}

} // namespace
