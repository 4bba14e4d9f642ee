// The chase camera: where it heads, how fast it may move per call, what it
// looks at, and the extra step a resize gives it.
#include "tests/game/view/BraskViewFixture.h"

#include <GL/gl.h>

#include <cmath>

namespace {

class ChaseCamera : public BraskViewOnFlatCourse {
protected:
    // Where the modelview matrix puts course point (x, y, z); heights are
    // given raw, as the scene draws them.
    static std::vector<double> Transform(double x, double y, double z)
    {
        GLdouble m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        std::vector<double> out(3);
        for (int row = 0; row < 3; ++row)
            out[row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
        return out;
    }

    double Camera(int axis) const { return m_view->m_camera[axis]; }
};

TEST_F(ChaseCamera, TrailsABallAtRestInFullStepsAndLandsExactly)
{
    PlaceBall(4.5, 4.5, 0.0, Rolling);
    SetCamera(-5.0, -5.0, 5.0);
    // Target (-2.5, -2.5, 5): 2.5 cells in x and y, 50 steps of 0.05.
    for (int call = 1; call <= 49; ++call) {
        m_view->ApplyViewTransform();
        ASSERT_NEAR(Camera(0), -5.0 + 0.05 * call, 1e-9) << "call " << call;
        ASSERT_NEAR(Camera(1), -5.0 + 0.05 * call, 1e-9) << "call " << call;
        ASSERT_EQ(Camera(2), 5.0) << "the height is already at its target";
    }
    // The camera lands exactly, and at the target it stays.
    m_view->ApplyViewTransform();
    for (int call = 51; call <= 52; ++call) {
        m_view->ApplyViewTransform();
        EXPECT_EQ(std::vector<double>(m_view->m_camera, m_view->m_camera + 3), (std::vector<double>{-2.5, -2.5, 5.0}));
    }
    // A target nearer than one step is reached in one.
    SetCamera(-2.5 + 0.03, -2.5 - 0.03, 5.0 + 0.07);
    m_view->ApplyViewTransform();
    EXPECT_EQ(std::vector<double>(m_view->m_camera, m_view->m_camera + 3), (std::vector<double>{-2.5, -2.5, 5.0}));
}

TEST_F(ChaseCamera, AHighBallRaisesTargetAndLookAtAndTheCameraClimbsSlowly)
{
    PlaceBall(4.5, 4.5, 100.0, Rolling);
    SetCamera(-2.5, -2.5, 5.0);
    for (int call = 1; call <= 249; ++call) {
        m_view->ApplyViewTransform();
        ASSERT_NEAR(Camera(2), 5.0 + 0.1 * call, 1e-9) << "call " << call;
    }
    m_view->ApplyViewTransform();
    m_view->ApplyViewTransform();
    EXPECT_EQ(Camera(2), 30.0);

    // The eye sits at the camera; the look-at point, 25 above the course in
    // the camera's units (raw height 125 after the fifth scaling), lies
    // straight ahead. (GL keeps its matrices in single precision.)
    const std::vector<double> eye = Transform(-2.5, -2.5, 30.0 / 0.2);
    const std::vector<double> centre = Transform(4.5, 4.5, 25.0 / 0.2);
    const std::vector<double> ahead = {0.0, 0.0, -std::sqrt(7.0 * 7.0 * 2 + 5.0 * 5.0)};
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_NEAR(eye[axis], 0.0, 1e-4) << axis;
        EXPECT_NEAR(centre[axis], ahead[axis], 1e-4) << axis;
    }
}

TEST_F(ChaseCamera, StepsAreLimitedPerCallInEveryDirection)
{
    // Property: from any start, one call moves each axis by at most its
    // limit, towards the target, and never past it.
    const double limits[3] = {0.05, 0.05, 0.1};
    unsigned seed = 7;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return ((seed >> 8) % 20001) / 1000.0 - 10.0;  // -10 .. 10
    };
    for (int i = 0; i < 200; ++i) {
        const double bx = 5.0 + next() / 2, by = 5.0 + next() / 2, bz = 10.0 * next();
        PlaceBall(bx, by, bz, Rolling);
        const double target[3] = {bx - 7.0, by - 7.0, 0.25 * bz + 5.0};
        double before[3];
        for (int a = 0; a < 3; ++a)
            before[a] = target[a] + (i % 4 == 0 ? next() / 100 : next());
        SetCamera(before[0], before[1], before[2]);
        m_view->ApplyViewTransform();
        for (int a = 0; a < 3; ++a) {
            const double moved = Camera(a) - before[a], wanted = target[a] - before[a];
            ASSERT_LE(std::fabs(moved), limits[a] + 1e-12) << "axis " << a;
            ASSERT_GE(moved * wanted, 0.0) << "axis " << a << " moved away";
            ASSERT_LE(std::fabs(moved), std::fabs(wanted) + 1e-12) << "axis " << a << " overshot";
        }
    }
}

TEST_F(ChaseCamera, EveryFrameAndEveryResizeTakesOneStep)
{
    PlaceBall(4.5, 4.5, 0.0, Rolling);
    SetCamera(-5.0, -5.0, 5.0);
    DrawSceneOnly();
    EXPECT_NEAR(Camera(0), -4.95, 1e-9);
    m_view->OnSize(0, 400, 200);
    EXPECT_NEAR(Camera(0), -4.90, 1e-9) << "the resize moved the camera once more";
    m_view->OnSize(0, 300, 0);
    EXPECT_NEAR(Camera(0), -4.90, 1e-9) << "a zero height changes nothing";

    // The resize's projection: 30 degrees high, from 0.1 to 25.
    GLdouble p[16];
    glGetDoublev(GL_PROJECTION_MATRIX, p);
    const double f = 1.0 / std::tan(15.0 * M_PI / 180.0), nearPlane = 0.1, farPlane = 25.0;
    EXPECT_NEAR(p[5], f, 1e-6);
    EXPECT_NEAR(p[0], f / 2.0, 1e-6);
    EXPECT_NEAR(p[10], (farPlane + nearPlane) / (nearPlane - farPlane), 1e-6);
    EXPECT_NEAR(p[14], 2 * farPlane * nearPlane / (nearPlane - farPlane), 1e-6);
}

} // namespace
