// CBraskView: the chase camera, the scene, and the course and ball lists.
#include "game/view/BraskView.h"

#include "game/state/BraskDoc.h"
#include "game/mesh/BallModel.h"

#include <GL/glu.h>

namespace {

// Where the camera wants to be: 7 cells behind the ball in x and y, and 5
// above it as drawn. It aims at the ball as drawn too, so that high ground
// keeps the ball in the picture.
constexpr double kCameraBehind = 7.0;
constexpr double kCameraAbove = 5.0;
// How far the camera moves per frame at most, per axis: it trails the ball
// rather than jumping with it.
constexpr double kCameraStepLimit[3] = {0.05, 0.05, 0.1};
// Raw heights are drawn at a fifth of their value.
constexpr double kHeightScale = 0.2;

// The end words stand 3 cells towards -x of the ball, raised, turned to
// face the camera, and stretched upright: a quarter of the ball's height,
// stretched 4 times and drawn at a fifth, is its height as drawn.
constexpr double kWordsUpright = 4.0;
constexpr double kWordsHeightShare = 0.25;
constexpr double kWordsLeft = 3.0;
constexpr double kWordsAbove = 1.0;
constexpr double kWordsTurnDegrees = -45.0;
constexpr double kWordsTiltDegrees = 55.0;
constexpr double kWordsColour[3] = {0.5, 0.1, 0.1};

double LimitedStep(double distance, double limit)
{
    if (distance > limit)
        return limit;
    if (distance < -limit)
        return -limit;
    return distance;
}

} // namespace

bool CBraskView::ApplyViewTransform()
{
    glLoadIdentity();
    const auto& [x, y, z, angle, vx, vy] = m_document.GetBallState();
    const double target[3] = {x - kCameraBehind, y - kCameraBehind, kHeightScale * z + kCameraAbove};
    // The limit is per call, not per second: the camera trails by frames.
    for (int axis = 0; axis < 3; ++axis)
        m_camera[axis] += LimitedStep(target[axis] - m_camera[axis], kCameraStepLimit[axis]);
    gluLookAt(m_camera[0], m_camera[1], m_camera[2], x, y, kHeightScale * z, 0.0, 0.0, 1.0);
    glScaled(1.0, 1.0, kHeightScale);
    return true;
}

void CBraskView::DrawStockScene()
{
    // The game has no background scene.
}

bool CBraskView::DrawScene()
{
    ApplyViewTransform();
    double viewVolume[16];
    CCourseTiles::CurrentViewVolume(viewVolume);
    m_courseTiles.Draw(viewVolume);

    const auto& [x, y, z, angle, vx, vy] = m_document.GetBallState();
    glPushMatrix();
    glTranslated(x, y, z);
    glRotated(angle, 0.0, 0.0, 1.0);
    if (m_ballList != 0)
        glCallList(m_ballList);
    glPopMatrix();

    const char* words = EndWords(m_document.GetPlayState(), m_document.IsPaused());
    if (words != nullptr) {
        // The glyph lists carry no colour: the letters take this one.
        glColor3d(kWordsColour[0], kWordsColour[1], kWordsColour[2]);
        glPushMatrix();
        glScaled(1.0, 1.0, kWordsUpright);
        glTranslated(x - kWordsLeft, y, kWordsHeightShare * z + kWordsAbove);
        glRotated(kWordsTurnDegrees, 0.0, 0.0, 1.0);
        glRotated(kWordsTiltDegrees, 1.0, 0.0, 0.0);
        RenderText(m_outlineFontBase, words);
        glPopMatrix();
    }
    return true;
}

const char* CBraskView::EndWords(int playState, bool paused)
{
    if (paused)
        return "Paused";
    switch (playState) {
    case Lost:
        return "Game Over";
    case Won:
        return "You did it!";
    default:
        return nullptr;
    }
}

void CBraskView::BuildCourseList()
{
    m_courseTiles.Open(m_document.GetHeightField());
}

void CBraskView::BuildBallList()
{
    m_ballList = CBallModel::BuildBallList();
}
