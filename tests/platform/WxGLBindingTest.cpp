// The desktop's OpenGL binding: which renderers count as software, the
// context it gives a view's window, and the glyph lists it builds.
#include "platform/FontRequest.h"
#include "platform/WxGLBinding.h"
#include "tests/platform/WxTestEnvironment.h"

#include <wx/frame.h>

#include <GL/gl.h>
#include <GL/glx.h>

#include <cstdlib>
#include <cstring>

namespace {

TEST(WxGLBindingFlags, MesasSoftwareRenderersAreTheGenericImplementation)
{
    const struct {
        const char* renderer;
        bool direct;
        unsigned flags;
    } cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true, kPfdGenericFormat},
        {"softpipe", true, kPfdGenericFormat},
        {"Software Rasterizer", false, kPfdGenericFormat},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", true, 0},
        {"AMD Radeon RX 580 (radeonsi, polaris10)", false, kPfdGenericFormat | kPfdGenericAccelerated},
        {nullptr, true, kPfdGenericFormat},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CWxGLBinding::FlagsForRenderer(c.renderer, c.direct), c.flags) << (c.renderer ? c.renderer : "null");
}

// A shown canvas of the view's format with the binding's context current,
// 256 list names for glyphs, and a projection in pixels from the bottom left.
class WxGLBinding : public ::testing::Test {
protected:
    static constexpr int kSize = 200;

    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        m_frame = new wxFrame(nullptr, wxID_ANY, "gl test");
        m_canvas = new wxGLCanvas(m_frame, CWxGLBinding::WindowAttributes(kViewPixelFormat));
        m_frame->SetClientSize(kSize, kSize);
        m_frame->Show();
        ASSERT_TRUE(PumpUntil([this] { return m_canvas->GetXWindow() != 0; })) << "the canvas was never realized";
        m_context = m_binding.CreateContext(m_canvas);
        ASSERT_TRUE(m_binding.MakeCurrent(m_canvas, m_context));
        glMatrixMode(GL_PROJECTION);
        glOrtho(0, kSize, 0, kSize, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        m_base = glGenLists(256);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    void TearDown() override
    {
        if (m_context)
            m_binding.DeleteContext(m_context);
        if (m_frame)
            m_frame->Destroy();
        if (HaveDisplay())
            PumpEventsOnce();
    }

    // Calls the glyph lists of the text's bytes, as text is drawn.
    void Call(const char* text)
    {
        glListBase(m_base);
        glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
    }

    // The modelview's x translation after the text's outline glyphs.
    double AdvanceOf(const char* text)
    {
        glLoadIdentity();
        Call(text);
        GLdouble m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        return m[12];
    }

    // The raster position's x after the text's bitmap glyphs from x = 10.
    float RasterAfter(const char* text)
    {
        glRasterPos2i(10, 10);
        Call(text);
        GLfloat position[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
        return position[0];
    }

    // Back-buffer pixels of colour (r, g, b), within 2.
    static int CountPixels(int r, int g, int b)
    {
        std::vector<unsigned char> p(kSize * kSize * 3);
        glReadPixels(0, 0, kSize, kSize, GL_RGB, GL_UNSIGNED_BYTE, p.data());
        int count = 0;
        for (size_t i = 0; i < p.size(); i += 3)
            count += std::abs(p[i] - r) <= 2 && std::abs(p[i + 1] - g) <= 2 && std::abs(p[i + 2] - b) <= 2;
        return count;
    }

    CWxGLBinding& m_binding = CWxGLBinding::Instance();
    wxFrame* m_frame = nullptr;
    wxGLCanvas* m_canvas = nullptr;
    wxGLContext* m_context = nullptr;
    GLuint m_base = 0;
};

TEST_F(WxGLBinding, GivesALegacyDoubleBufferedContextOfTheClosestFormat)
{
    EXPECT_NE(m_binding.ChoosePixelFormat(m_canvas, kViewPixelFormat), 0);
    EXPECT_EQ(m_binding.ChoosePixelFormat(m_canvas, GLPixelFormatRequest{true, true, 96, 64}), 0);
    GLboolean doubleBuffered = GL_FALSE;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
    EXPECT_TRUE(doubleBuffered);
    GLint red = 0, green = 0, blue = 0, depth = 0, stencil = -1;
    glGetIntegerv(GL_RED_BITS, &red);
    glGetIntegerv(GL_GREEN_BITS, &green);
    glGetIntegerv(GL_BLUE_BITS, &blue);
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    EXPECT_GE(red + green + blue, 24);
    EXPECT_GE(depth, 16);
    EXPECT_EQ(stencil, 0) << "a buffer the view does not ask for";
    // No core profile: the fixed-function calls work.
    EXPECT_EQ(std::strstr(reinterpret_cast<const char*>(glGetString(GL_VERSION)), "Core"), nullptr);
    glPushMatrix();
    glPopMatrix();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_TRUE(m_binding.SwapBuffers(m_canvas));

    // Deleting the current context releases it: nothing draws through it.
    EXPECT_TRUE(m_binding.DeleteContext(m_context));
    m_context = nullptr;
    EXPECT_EQ(glXGetCurrentContext(), nullptr);
    EXPECT_FALSE(m_binding.SwapBuffers(m_canvas));
}

TEST_F(WxGLBinding, OutlineGlyphsAreFilledAndAdvanceByTheirWidthInEms)
{
    // "Ariel" is not installed: the closest outline face stands in.
    FontRequest request;
    request.outPrecision = kOutTrueTypeOnly;
    request.SetFaceName("Ariel");
    ASSERT_TRUE(m_binding.UseFontOutlines(m_canvas, request, 0, 256, m_base, 0.0f, 0.1f));
    const double h = AdvanceOf("H");
    EXPECT_GT(h, 0.4);
    EXPECT_LT(h, 1.2);
    EXPECT_NEAR(AdvanceOf("H H"), 2 * h + AdvanceOf(" "), 1e-5);
    EXPECT_GT(AdvanceOf(" "), 0.1);

    // 'H' at 100 pixels per em: drawn in the current colour.
    glLoadIdentity();
    glColor3d(1.0, 0.0, 0.0);
    glTranslated(20, 20, 0);
    glScaled(100, 100, 100);
    Call("H");
    EXPECT_GT(CountPixels(255, 0, 0), 1000);
}

TEST_F(WxGLBinding, BitmapGlyphsAdvanceTheRasterPositionEvenWhenBlank)
{
    ASSERT_TRUE(m_binding.UseFontBitmaps(m_canvas, nullptr, 0, 256, m_base));
    const float a = RasterAfter("A") - 10;
    const float space = RasterAfter(" ") - 10;
    EXPECT_GT(a, 3.0f);
    EXPECT_GT(space, 1.0f);
    EXPECT_FLOAT_EQ(RasterAfter("A A"), 10 + 2 * a + space);

    glColor3d(0.0, 0.0, 1.0);
    RasterAfter("A");
    EXPECT_GT(CountPixels(0, 0, 255), 10);
}

} // namespace
