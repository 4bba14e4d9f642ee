#include "tests/platform/GLCanvasFixture.h"

#include "platform/WxGLBinding.h"

#include <GL/gl.h>

#include <cstdlib>

void CGLCanvasFixture::SetUp()
{
    BRASK_GL_REQUIRE_DISPLAY();
    m_frame = new wxFrame(nullptr, wxID_ANY, wxS("gl test"));
    m_canvas = new wxGLCanvas(m_frame, CWxGLBinding::WindowAttributes(kViewPixelFormat));
    m_frame->SetClientSize(kWidth, kHeight);
    m_frame->Show();
    ASSERT_TRUE(PumpUntil([this] { return m_canvas->GetXWindow() != 0; })) << "the canvas was never realized";
    m_context = CWxGLBinding::Instance().CreateContext(m_canvas);
    ASSERT_NE(m_context, nullptr);
    ASSERT_TRUE(CWxGLBinding::Instance().MakeCurrent(m_canvas, m_context));
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kWidth, 0, kHeight, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void CGLCanvasFixture::TearDown()
{
    if (m_context)
        CWxGLBinding::Instance().DeleteContext(m_context);
    if (m_frame)
        m_frame->Destroy();
    if (HaveGLDisplay())
        PumpGLEvents();
}

std::vector<unsigned char> CGLCanvasFixture::ReadPixels() const
{
    std::vector<unsigned char> pixels(kWidth * kHeight * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

int CGLCanvasFixture::CountPixels(unsigned char r, unsigned char g, unsigned char b, int xFrom, int xTo) const
{
    const std::vector<unsigned char> pixels = ReadPixels();
    int count = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = xFrom; x < xTo; ++x) {
            const unsigned char* p = &pixels[(y * kWidth + x) * 3];
            if (std::abs(p[0] - r) <= 2 && std::abs(p[1] - g) <= 2 && std::abs(p[2] - b) <= 2)
                ++count;
        }
    }
    return count;
}
