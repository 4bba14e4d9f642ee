// The desktop's OpenGL binding: which renderers count as software, the
// context it gives a view's window, and how far its bitmap glyphs advance.
#include "platform/WxGLBinding.h"
#include "tests/platform/WxTestEnvironment.h"

#include <wx/frame.h>

#include <GL/gl.h>
#include <GL/glx.h>

#include <cstring>

namespace {

TEST(WxGLBindingFlags, MesasSoftwareRenderersAreTheGenericImplementation)
{
    const unsigned generic = kPfdGenericFormat, accelerated = kPfdGenericFormat | kPfdGenericAccelerated;
    const struct { const char* renderer; bool direct; unsigned flags; } cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true, generic}, {"softpipe", true, generic},
        {"Software Rasterizer", false, generic},             {nullptr, true, generic},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", true, 0},
        {"AMD Radeon RX 580 (radeonsi, polaris10)", false, accelerated},  // indirect: the server's GL
    };
    for (const auto& c : cases)
        EXPECT_EQ(CWxGLBinding::FlagsForRenderer(c.renderer, c.direct), c.flags) << (c.renderer ? c.renderer : "null");
}

// A shown canvas of the view's format with the binding's context current
// and 256 list names for glyphs.
class WxGLBinding : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        m_frame = new wxFrame(nullptr, wxID_ANY, "gl test");
        m_canvas = new wxGLCanvas(m_frame, CWxGLBinding::WindowAttributes(kViewPixelFormat));
        m_frame->Show();
        ASSERT_TRUE(PumpUntil([this] { return m_canvas->GetXWindow() != 0; })) << "the canvas was never realized";
        m_context = m_binding.CreateContext(m_canvas);
        ASSERT_TRUE(m_binding.MakeCurrent(m_canvas, m_context));
        m_base = glGenLists(256);
    }

    void TearDown() override
    {
        if (m_context)
            m_binding.DeleteContext(m_context);
        if (m_frame)
            m_frame->Destroy();
    }

    // How far the text's glyphs move the raster position, in pixels.
    double Advance(const char* text)
    {
        GLdouble from[4], to[4];
        glRasterPos2i(0, 0);
        glGetDoublev(GL_CURRENT_RASTER_POSITION, from);
        glListBase(m_base);
        glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
        glGetDoublev(GL_CURRENT_RASTER_POSITION, to);
        return to[0] - from[0];
    }

    CWxGLBinding& m_binding = CWxGLBinding::Instance();
    wxFrame* m_frame = nullptr;
    wxGLCanvas* m_canvas = nullptr;
    wxGLContext* m_context = nullptr;
    GLuint m_base = 0;
};

TEST_F(WxGLBinding, GivesADoubleBufferedContextWithDepthAndReleasesItWhenDeleted)
{
    GLboolean doubleBuffered = GL_FALSE;
    GLint depth = 0, stencil = -1;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    // No stencil buffer: the closest visual has none the view does not ask for.
    EXPECT_TRUE(doubleBuffered && depth >= 16 && stencil == 0) << depth << " depth, " << stencil << " stencil bits";
    EXPECT_TRUE(m_binding.DeleteContext(m_context));
    m_context = nullptr;
    EXPECT_EQ(glXGetCurrentContext(), nullptr) << "a deleted context still current";
}

TEST_F(WxGLBinding, BitmapGlyphsMoveTheRasterPositionByTheirWidthBlankOnesToo)
{
    // Bitmaps of the desktop's default face, in pixels.
    ASSERT_TRUE(m_binding.UseFontBitmaps(m_canvas, nullptr, 0, 256, m_base));
    const double a = Advance("A"), blank = Advance(" ");
    EXPECT_TRUE(a > 3 && blank > 1) << a << ", " << blank;
    EXPECT_NEAR(Advance("A A"), 2 * a + blank, 1e-5);
}

} // namespace
