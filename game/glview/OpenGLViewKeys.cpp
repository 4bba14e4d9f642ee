// COpenGLView: the stock camera's keys, its animation step, and Escape.
#include "game/glview/OpenGLView.h"

#include "platform/keys/VirtualKey.h"

#include <wx/toplevel.h>

namespace {

// One key press moves a velocity component by this share of its bound, so
// five presses from rest reach the bound.
constexpr double kVelocityStepShare = 0.2;

void RaiseComponent(double& component, double bound)
{
    component += kVelocityStepShare * bound;
    if (component > bound)
        component = bound;
}

void LowerComponent(double& component, double bound)
{
    component -= kVelocityStepShare * bound;
    if (component < -bound)
        component = -bound;
}

} // namespace

void COpenGLView::HandleKeyDown(wxKeyEvent& event)
{
    const KeyMessage message = m_keys.OnKeyDown(event);
    m_shiftDown = message.shift;
    OnKeyDown(message.key, message.repeat, message.flags);
    event.Skip();
}

void COpenGLView::HandleKeyUp(wxKeyEvent& event)
{
    m_keys.OnKeyUp(event);
    event.Skip();
}

void COpenGLView::OnKeyDown(unsigned key, unsigned, unsigned)
{
    // Each key-down counts as one press, auto-repeats included.
    const bool shift = IsShiftDown();
    if (m_animate && ApplyCameraKey(key, shift))
        return;
    if (key == VK_ESCAPE)
        CloseMainFrame();
}

bool COpenGLView::ApplyCameraKey(unsigned key, bool shift)
{
    double* velocity = shift ? m_angularVelocity : m_velocity;
    const double bound = shift ? m_maxAngularSpeed : m_maxSpeed;
    switch (key) {
    case VK_LEFT:
        RaiseComponent(velocity[0], bound);
        return true;
    case VK_RIGHT:
        LowerComponent(velocity[0], bound);
        return true;
    case VK_UP:
        RaiseComponent(velocity[2], bound);
        return true;
    case VK_DOWN:
        LowerComponent(velocity[2], bound);
        return true;
    case VK_SUBTRACT:
        RaiseComponent(velocity[1], bound);
        return true;
    case VK_ADD:
        LowerComponent(velocity[1], bound);
        return true;
    case VK_HOME:
        for (int i = 0; i < 3; ++i) {
            m_position[i] = m_homePosition[i];
            m_angles[i] = m_homeAngles[i];
        }
        if (shift)
            ApplyCameraKey(VK_CLEAR, shift);
        return true;
    case VK_CLEAR:
        for (int i = 0; i < 3; ++i) {
            m_velocity[i] = 0.0;
            m_angularVelocity[i] = 0.0;
        }
        return true;
    default:
        return false;
    }
}

void COpenGLView::CloseMainFrame()
{
    // Closed from the event queue, as a posted close would be: the key
    // handler that asked for it (a subclass's included) finishes first.
    wxWindow* frame = wxGetTopLevelParent(this);
    if (frame)
        frame->CallAfter([frame] { frame->Close(); });
}

void COpenGLView::AnimateStep()
{
    const double seconds = static_cast<uint32_t>(m_frameTime - m_lastFrameTime) * 0.001;
    for (int i = 0; i < 3; ++i) {
        m_position[i] += seconds * m_velocity[i];
        m_angles[i] += seconds * m_angularVelocity[i];
    }
}
