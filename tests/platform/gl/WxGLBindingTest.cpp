// The desktop's OpenGL binding: which renderers count as software, the
// context it gives a view's window, and how far its bitmap glyphs advance.
#include "platform/gl/WxGLBinding.h"
#include "tests/support/WxTestEnvironment.h"

#include <wx/frame.h>

#include <GL/gl.h>
#include <GL/glx.h>

#include <cstring>

namespace {

TEST(WxGLBinding, MesasSoftwareRenderersAreTheGenericImplementation)
{
    const GLRenderer software = GLRenderer::GenericSoftware;
    const struct { const char* renderer; bool direct; GLRenderer kind; } cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true, software}, {"softpipe", true, software},
        {"Software Rasterizer", false, software},             {nullptr, true, software},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", true, GLRenderer::Driver},
        {"AMD Radeon RX 580 (radeonsi, polaris10)", false, GLRenderer::GenericAccelerated},  // the server's GL
    };
    for (const auto& c : cases)
        EXPECT_EQ(CWxGLBinding::RendererKind(c.renderer, c.direct), c.kind) << (c.renderer ? c.renderer : "null");
}

// On a shown canvas of the view's format.
TEST(WxGLBinding, GivesADoubleBufferedContextWithDepthWhereBitmapGlyphsAdvanceByTheirWidth)
{
    BRASK_REQUIRE_DISPLAY();
    CWxGLBinding& binding = CWxGLBinding::Instance();
    auto* frame = new wxFrame(nullptr, wxID_ANY, "gl test");
    auto* canvas = new wxGLCanvas(frame, CWxGLBinding::WindowAttributes(kViewPixelFormat));
    frame->Show();
    ASSERT_TRUE(PumpUntil([canvas] { return canvas->GetXWindow() != 0; })) << "the canvas was never realized";
    wxGLContext* context = binding.CreateContext(canvas);
    ASSERT_TRUE(binding.MakeCurrent(canvas, context));
    GLboolean doubleBuffered = GL_FALSE;
    GLint depth = 0, stencil = -1;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
    glGetIntegerv(GL_DEPTH_BITS, &depth);
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    // No stencil buffer: the closest visual has none the view does not ask for.
    EXPECT_TRUE(doubleBuffered && depth >= 16 && stencil == 0) << depth << " depth, " << stencil << " stencil bits";

    // Bitmaps of the desktop's default face; how far a text's glyphs move
    // the raster position, in pixels.
    const GLuint base = glGenLists(256);
    EXPECT_TRUE(binding.UseFontBitmaps(canvas, nullptr, 0, 256, base));
    const auto advance = [base](const char* text) {
        GLdouble from[4], to[4];
        glRasterPos2i(0, 0);
        glGetDoublev(GL_CURRENT_RASTER_POSITION, from);
        glListBase(base);
        glCallLists(static_cast<GLsizei>(std::strlen(text)), GL_UNSIGNED_BYTE, text);
        glGetDoublev(GL_CURRENT_RASTER_POSITION, to);
        return to[0] - from[0];
    };
    const double a = advance("A"), blank = advance(" ");
    EXPECT_TRUE(a > 3 && blank > 1) << a << ", " << blank;
    EXPECT_NEAR(advance("A A"), 2 * a + blank, 1e-5);

    EXPECT_TRUE(binding.DeleteContext(context));
    EXPECT_EQ(glXGetCurrentContext(), nullptr) << "a deleted context still current";
    frame->Destroy();
}

} // namespace
