// CBraskView: construction, the document's operations (lists, animation,
// pointer re-centring), keys and projection.
#include "game/view/BraskView.h"

#include "game/state/BraskDoc.h"
#include "platform/gl/Pointer.h"
#include "platform/keys/VirtualKey.h"

#include <GL/glu.h>

namespace {

constexpr double kFieldOfViewDegrees = 30.0;
constexpr double kNearPlane = 0.1;
constexpr double kFarPlane = 25.0;
// Letters are their upper-case codes.
constexpr unsigned kPauseKey = VK_A + ('P' - 'A');

} // namespace

CBraskView::CBraskView(wxWindow* parent, CBraskDoc& document)
    : COpenGLView(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, wxS("CBraskView")),
      m_document(document)
{
    SetAnimation(false);
    m_document.AddView(this);
}

CBraskView::~CBraskView()
{
    m_document.RemoveView(this);
}

void CBraskView::BuildLists()
{
    if (!IsCreated()) {
        // The course is loaded before the window first shows (a course named
        // on the command line); the lists need the context, and the pointer
        // can only be moved once the window is there.
        m_listsPending = true;
        return;
    }
    m_listsPending = false;
    // The new ball list is made while the old one still exists, so it never
    // comes back under the old name; then the old one goes, so that opening
    // course after course does not pile lists up. The tiles record their
    // lists only when drawn.
    m_courseTiles.Release();
    const unsigned oldBallList = m_ballList;
    BuildCourseList();
    BuildBallList();
    if (oldBallList != 0)
        glDeleteLists(oldBallList, 1);
    RecenterCursor();
}

void CBraskView::RecenterCursor()
{
    m_lastCursor = kCursorOrigin;
    if (Pointer().WarpTo(kCursorOrigin.x, kCursorOrigin.y))
        return;
    // Where the desktop does not let us move the pointer, steer from where it
    // is: the ball must not get a push from a jump that never happened.
    int x = m_lastCursor.x;
    int y = m_lastCursor.y;
    if (Pointer().GetPosition(x, y))
        m_lastCursor = ScreenPoint{x, y};
}

void CBraskView::SetAnimation(bool on)
{
    m_animate = on;
}

void CBraskView::OnInitialUpdate()
{
    Refresh(false);
}

int CBraskView::OnCreate()
{
    const int result = COpenGLView::OnCreate();
    if (m_listsPending)
        BuildLists();
    return result;
}

void CBraskView::OnKeyDown(unsigned key, unsigned repeat, unsigned flags)
{
    if (key == VK_SPACE)
        RecenterCursor();
    // P, or the Pause key, stops the game and lets it go on.
    if ((key == kPauseKey || key == VK_PAUSE) && (flags & kKeyRepeatFlag) == 0)
        m_document.SetPaused(!m_document.IsPaused());
    COpenGLView::OnKeyDown(key, repeat, flags);
}

bool CBraskView::ApplyProjection(double aspect)
{
    gluPerspective(kFieldOfViewDegrees, aspect, kNearPlane, kFarPlane);
    return true;
}
