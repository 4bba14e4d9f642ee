// CBraskView: the animation step of the render loop is the ball physics.
#include "game/view/BraskView.h"

#include "game/state/BallPhysics.h"
#include "platform/gl/Pointer.h"

void CBraskView::AnimateStep()
{
    StepBall(m_document, m_frameTime, m_lastFrameTime, m_lastCursor, [this] {
        // A pointer that cannot be read reads as not moved.
        int x = m_lastCursor.x;
        int y = m_lastCursor.y;
        Pointer().GetPosition(x, y);
        return ScreenPoint{x, y};
    });
}
