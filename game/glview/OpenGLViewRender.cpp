// COpenGLView: the render loop, projection set-up, animation switching and
// the frame rate in the title.
#include "game/glview/OpenGLView.h"

#include "platform/gl/Clock.h"
#include "platform/gl/GLBinding.h"

#include <wx/dcclient.h>
#include <wx/toplevel.h>

#include <GL/glu.h>

namespace {

constexpr size_t kMaxTitleLength = 200;

constexpr double kFieldOfViewDegrees = 40.0;
// The near plane is the single-precision 0.1 widened to double.
constexpr double kNearPlane = static_cast<double>(0.1f);
constexpr double kFarPlane = 20.0;
constexpr float kCameraDistance = 5.0f;
constexpr float kCameraTiltDegrees = 20.0f;

} // namespace

void COpenGLView::HandlePaint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    CreateWhenRealized();
    OnDraw(&dc);
}

void COpenGLView::HandleSize(wxSizeEvent& event)
{
    event.Skip();
    CreateWhenRealized();
    if (m_created && !m_destroyed)
        SendSize();
}

void COpenGLView::SendSize()
{
    // The viewport counts device pixels, the toolkit's sizes logical ones.
    const wxSize size = GetClientSize() * GetContentScaleFactor();
    OnSize(0, size.x, size.y);
}

void COpenGLView::HandleFrameTimer(wxTimerEvent&)
{
    if (m_animate)
        Refresh(false);
}

void COpenGLView::RequestPaintIn(uint32_t milliseconds)
{
    // One timer for the moment the next frame is due, rather than a paint
    // request on every pass, so that the loop does not keep a processor
    // busy between frames.
    m_frameTimer.StartOnce(static_cast<int>(milliseconds > 0 ? milliseconds : 1));
}

void COpenGLView::OnDraw(wxDC*)
{
    const bool animating = m_animate;
    if (animating) {
        m_frameTime = Clock().Milliseconds();
        const uint32_t wait = m_pacer.TimeUntilDue(m_frameTime, m_lastFrameTime);
        if (wait > 0) {
            RequestPaintIn(wait);
            return;
        }
        AnimateStep();
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    PrepareFrame();
    glPushMatrix();
    DrawStockScene();
    glPopMatrix();
    glPushMatrix();
    DrawScene();
    glPopMatrix();
    glFinish();
    if (!Binding().SwapBuffers(m_pDC))
        RecordError(7);
    FinishFrame();
    m_lastFrameTime = m_frameTime;
    // Asked for once the frame is drawn, so that the time it took counts.
    if (animating && m_animate)
        RequestPaintIn(m_pacer.NextFrameDelay(Clock().Milliseconds() - m_frameTime));
}

void COpenGLView::OnSize(unsigned, int cx, int cy)
{
    if (cx <= 0 || cy <= 0)
        return;
    ApplyViewport(cx, cy);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    ApplyProjection(static_cast<double>(cx) / static_cast<double>(cy));
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    ApplyViewTransform();
}

bool COpenGLView::ApplyViewport(int cx, int cy)
{
    glViewport(0, 0, cx, cy);
    return true;
}

bool COpenGLView::ApplyProjection(double aspect)
{
    gluPerspective(kFieldOfViewDegrees, aspect, kNearPlane, kFarPlane);
    return true;
}

bool COpenGLView::ApplyViewTransform()
{
    glTranslatef(0.0f, 0.0f, -kCameraDistance);
    glRotatef(kCameraTiltDegrees, 1.0f, 0.0f, 0.0f);
    return true;
}

bool COpenGLView::PrepareFrame()
{
    return true;
}

void COpenGLView::FinishFrame()
{
    if (!m_animate || !m_pacer.CountTitleFrame())
        return;
    const wxString title = wxString::Format(wxS("%s ( %d Frames/sec )"), m_titleBase, FramesPerSecond());
    SetFrameTitle(title.Left(kMaxTitleLength));
}

int COpenGLView::FramesPerSecond() const
{
    return m_pacer.FramesPerSecond(m_frameTime, m_lastFrameTime);
}

void COpenGLView::OnToggleAnimation()
{
    m_animate = !m_animate;
    if (m_animate) {
        Refresh(false);
        Update();
    } else {
        m_frameTimer.Stop();
        SetFrameTitle(m_titleBase);
    }
}

void COpenGLView::OnUpdateToggleAnimation(wxUpdateUIEvent& ui)
{
    ui.Check(m_animate);
}

void COpenGLView::SetFrameTitle(const wxString& title)
{
    if (auto* frame = dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(this)))
        frame->SetTitle(title);
}
