#include "tests/game/glview/ViewTestSupport.h"

#include <GL/gl.h>

#include <cstdlib>

std::vector<unsigned char> ReadBackBuffer(int width, int height)
{
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

int CountBackBufferPixels(int width, int height, unsigned char r, unsigned char g, unsigned char b)
{
    const std::vector<unsigned char> pixels = ReadBackBuffer(width, height);
    int count = 0;
    for (size_t i = 0; i < pixels.size(); i += 3)
        count += std::abs(pixels[i] - r) <= 2 && std::abs(pixels[i + 1] - g) <= 2 && std::abs(pixels[i + 2] - b) <= 2;
    return count;
}

const char* CTestView::s_errorTextAtDestroy = nullptr;
int CTestView::s_destroyCount = 0;

void CTestView::OnDestroy()
{
    COpenGLView::OnDestroy();
    s_errorTextAtDestroy = m_errorText;
    ++s_destroyCount;
}

bool CTestView::ApplyProjection(double aspect)
{
    ++projections;
    lastAspect = aspect;
    return COpenGLView::ApplyProjection(aspect);
}

void CTestView::BuildUserStockScene()
{
    if (!drawUserTriangle)
        return;
    glBegin(GL_TRIANGLES);
    glColor3d(0.0, 1.0, 0.0);
    glVertex3d(0.0, 0.0, 0.0);
    glVertex3d(1.0, 0.0, 0.0);
    glVertex3d(0.0, 0.0, 1.0);
    glEnd();
}

const char* const CViewTest::kFrameTitle = "Course 1 - Brask";

CTestView* CViewTest::CreateView(const std::function<void(CTestView&)>& configure)
{
    m_frame = new wxFrame(nullptr, wxID_ANY, wxString::FromUTF8(kFrameTitle));
    m_view = new CTestView(m_frame);
    m_view->SetClock(m_clock);
    m_view->SetBinding(m_binding);
    if (configure)
        configure(*m_view);
    ShowAndRealize();
    m_view->log.clear();
    m_view->animateSteps = 0;
    m_binding.swaps = 0;
    return m_view;
}

CTestView* CViewTest::CreateAnimatingView()
{
    CreateView([](CTestView& v) { v.m_animate = true; });
    m_view->m_lastFrameTime = m_clock.now;
    return m_view;
}

void CViewTest::UsePixelProjection()
{
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kWidth, 0, kHeight, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
