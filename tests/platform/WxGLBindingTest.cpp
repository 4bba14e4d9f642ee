#include "platform/WxGLBinding.h"
#include "tests/platform/GLCanvasFixture.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include <cstring>

namespace {

TEST(WxGLBindingFlags, SoftwareRenderersAreTheGenericImplementation)
{
    struct Case {
        const char* renderer;
        bool direct;
        unsigned flags;
    };
    const Case cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true, kPfdGenericFormat},
        {"softpipe", true, kPfdGenericFormat},
        {"Software Rasterizer", false, kPfdGenericFormat},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", true, 0},
        {"AMD Radeon RX 580 (radeonsi, polaris10)", false, kPfdGenericFormat | kPfdGenericAccelerated},
        {nullptr, true, kPfdGenericFormat},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CWxGLBinding::FlagsForRenderer(c.renderer, c.direct), c.flags) << (c.renderer ? c.renderer : "null");
}

using WxGLBinding = CGLCanvasFixture;

TEST_F(WxGLBinding, GivesALegacyDoubleBufferedContextOfTheRequestedFormat)
{
    CGLBinding& binding = CWxGLBinding::Instance();
    EXPECT_EQ(binding.GetDrawable(*m_canvas), m_canvas);
    const int format = binding.ChoosePixelFormat(m_canvas, kViewPixelFormat);
    EXPECT_NE(format, 0);
    EXPECT_TRUE(binding.SetPixelFormat(m_canvas, format, kViewPixelFormat));

    GLboolean doubleBuffered = GL_FALSE;
    glGetBooleanv(GL_DOUBLEBUFFER, &doubleBuffered);
    EXPECT_TRUE(doubleBuffered);
    GLint bits[4] = {};
    glGetIntegerv(GL_RED_BITS, &bits[0]);
    glGetIntegerv(GL_GREEN_BITS, &bits[1]);
    glGetIntegerv(GL_BLUE_BITS, &bits[2]);
    glGetIntegerv(GL_DEPTH_BITS, &bits[3]);
    EXPECT_GE(bits[0] + bits[1] + bits[2], 24);
    EXPECT_GE(bits[3], 16);
    // The closest visual: no buffers the view does not ask for.
    GLint stencil = -1;
    glGetIntegerv(GL_STENCIL_BITS, &stencil);
    EXPECT_EQ(stencil, 0);

    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(std::strstr(version, "Core"), nullptr) << version;
    // Fixed-function calls work: no core profile.
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glPopMatrix();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (renderer && std::strstr(renderer, "llvmpipe")) {
        EXPECT_EQ(binding.DescribePixelFormat(m_canvas, format), kPfdGenericFormat);
        EXPECT_EQ(bits[3], 16);  // Mesa offers the exact depth
    }
    EXPECT_TRUE(binding.SwapBuffers(m_canvas));
}

TEST_F(WxGLBinding, RefusesWhatItCannotDo)
{
    CGLBinding& binding = CWxGLBinding::Instance();
    const GLPixelFormatRequest absurd{true, true, 96, 64};
    EXPECT_EQ(binding.ChoosePixelFormat(m_canvas, absurd), 0);
    const int format = binding.ChoosePixelFormat(m_canvas, kViewPixelFormat);
    EXPECT_FALSE(binding.SetPixelFormat(m_canvas, format, absurd));
    EXPECT_FALSE(binding.SetPixelFormat(m_canvas, 0, kViewPixelFormat));
    EXPECT_EQ(binding.CreateContext(nullptr), nullptr);
    EXPECT_FALSE(binding.MakeCurrent(nullptr, m_context));
    EXPECT_FALSE(binding.MakeCurrent(m_canvas, nullptr));
    EXPECT_FALSE(binding.DeleteContext(nullptr));
    EXPECT_FALSE(binding.SwapBuffers(nullptr));

    // A window whose frame was never shown has no drawable yet.
    auto* hiddenFrame = new wxFrame(nullptr, wxID_ANY, wxS("hidden"));
    auto* hidden = new wxGLCanvas(hiddenFrame, CWxGLBinding::WindowAttributes(kViewPixelFormat));
    EXPECT_EQ(binding.GetDrawable(*hidden), nullptr);
    EXPECT_FALSE(binding.SwapBuffers(binding.GetDrawable(*hidden)));
    EXPECT_FALSE(binding.MakeCurrent(hidden, m_context));
    hiddenFrame->Destroy();
}

TEST_F(WxGLBinding, DeletingTheCurrentContextReleasesIt)
{
    ASSERT_NE(glXGetCurrentContext(), nullptr);
    EXPECT_TRUE(CWxGLBinding::Instance().DeleteContext(m_context));
    m_context = nullptr;
    EXPECT_EQ(glXGetCurrentContext(), nullptr);
}

} // namespace
