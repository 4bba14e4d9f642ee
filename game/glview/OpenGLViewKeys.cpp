// COpenGLView: the stock camera's keys, its animation step, and Escape.
#include "game/glview/OpenGLView.h"

#include "platform/keys/VirtualKey.h"

#include <wx/toplevel.h>

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
    if (m_animate && ApplyCameraKey(StockCamera(), key, IsShiftDown()))
        return;
    if (key == VK_ESCAPE)
        CloseMainFrame();
}

StockCameraPose COpenGLView::StockCamera()
{
    return {m_position, m_angles, m_velocity, m_angularVelocity, m_homePosition, m_homeAngles,
            m_maxSpeed, m_maxAngularSpeed};
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
    AdvanceCamera(StockCamera(), static_cast<uint32_t>(m_frameTime - m_lastFrameTime) * 0.001);
}
