#include "game/state/BraskDoc.h"

#include "course/CourseCheck.h"
#include "game/state/BraskViewLink.h"
#include "document/Archive.h"

namespace {

// Where a new document keeps the ball until a course is loaded.
constexpr BallState kInitialBall{4.0, 4.0, 0.0, 0.0, 0.0, 0.0};
// Where a load puts the ball before looking for a start cell.
constexpr BallState kLoadedBall{0.5, 0.5, 0.0, 0.0, 0.0, 0.0};

}  // namespace

CBraskDoc::CBraskDoc() : m_ball(kInitialBall), m_playState(Idle) {}

void CBraskDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        m_course.StoreForSave(ar);
        return;
    }
    // A failed read throws out of here with the course untouched, so nothing
    // below runs and the game goes on as it was.
    m_course.Load(ar);

    CBraskViewLink* view = GetGameView();
    if (view == nullptr)
        return;
    view->BuildLists();
    view->SetAnimation(true);
    m_ball = kLoadedBall;
    m_playState = Rolling;
    PlaceOnStartCell();
}

bool CBraskDoc::OnNewDocument()
{
    return CDocument::OnNewDocument();
}

void CBraskDoc::OnGameNew()
{
    // The position stays: without a start cell the ball restarts where it is.
    m_ball.angle = 0.0;
    m_ball.vx = 0.0;
    m_ball.vy = 0.0;
    PlaceOnStartCell();
    if (CBraskViewLink* view = GetGameView()) {
        view->RecenterCursor();
        view->SetAnimation(true);
    }
    m_playState = Rolling;
}

void CBraskDoc::GetBall(double& x, double& y, double& z, double& angle, double& vx, double& vy) const
{
    x = m_ball.x;
    y = m_ball.y;
    z = m_ball.z;
    angle = m_ball.angle;
    vx = m_ball.vx;
    vy = m_ball.vy;
}

void CBraskDoc::SetBall(double x, double y, double z, double angle, double vx, double vy)
{
    m_ball = BallState{x, y, z, angle, vx, vy};
}

CBraskViewLink* CBraskDoc::GetGameView() const
{
    return dynamic_cast<CBraskViewLink*>(GetFirstView());
}

void CBraskDoc::PlaceOnStartCell()
{
    int x = 0;
    int y = 0;
    if (!FindFirstStart(m_course, x, y))
        return;
    m_ball.x = x + 0.5;
    m_ball.y = y + 0.5;
    m_ball.z = m_course.GetHeightAt(m_ball.x, m_ball.y);
}
