#include "game/state/BallPhysics.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "game/state/BraskDoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <ostream>
#include <random>
#include <vector>

namespace {

constexpr double kTolerance = 1e-12;

// A document with a course of one cell type, a fake clock and a fake pointer.
class BallPhysicsTest : public ::testing::Test {
protected:
    void MakeCourse(int width, int height, std::int16_t type, std::int16_t c0 = 0, std::int16_t c1 = 0,
                    std::int16_t c2 = 0, std::int16_t c3 = 0)
    {
        CHeightField& course = m_doc.GetHeightField();
        course.Create(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                course.SetCell(x, y, HeightCell{type, {c0, c1, c2, c3}, 0});
    }

    void SetType(int x, int y, std::int16_t type) { m_doc.GetHeightField().GetCell(x, y).type = type; }

    void Place(double x, double y, double vx = 0.0, double vy = 0.0, double angle = 0.0)
    {
        m_doc.SetBall(x, y, m_doc.GetHeightField().GetHeightAt(x, y), angle, vx, vy);
        m_doc.SetPlayState(Rolling);
    }

    // Runs one step elapsedMs after the previous frame.
    void Step(std::uint32_t elapsedMs)
    {
        StepBall(m_doc, m_clock + elapsedMs, m_clock, m_lastCursor, [this] {
            ++m_pointerReads;
            return m_pointer;
        });
        m_clock += elapsedMs;
    }

    BallState Ball() const
    {
        BallState b;
        m_doc.GetBall(b.x, b.y, b.z, b.angle, b.vx, b.vy);
        return b;
    }

    CBraskDoc m_doc;
    std::uint32_t m_clock = 100000;
    ScreenPoint m_pointer{500, 380};
    ScreenPoint m_lastCursor{500, 380};
    int m_pointerReads = 0;
};

void ExpectSameBall(const BallState& actual, const BallState& expected)
{
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.z, expected.z);
    EXPECT_EQ(actual.angle, expected.angle);
    EXPECT_EQ(actual.vx, expected.vx);
    EXPECT_EQ(actual.vy, expected.vy);
}

struct FrictionCase {
    std::int16_t type;
    double perSecond;
};

void PrintTo(const FrictionCase& c, std::ostream* os)
{
    *os << "type " << c.type;
}

class FrictionTest : public BallPhysicsTest, public ::testing::WithParamInterface<FrictionCase> {};

TEST_P(FrictionTest, ScalesTheOldVelocityByOneMinusFrictionTimesDt)
{
    MakeCourse(3, 3, GetParam().type);
    Place(1.5, 1.5, 1.0, -2.0);
    Step(30);

    const double keep = 1.0 - GetParam().perSecond * 0.03;
    const BallState b = Ball();
    EXPECT_NEAR(b.vx, 1.0 * keep, kTolerance);
    EXPECT_NEAR(b.vy, -2.0 * keep, kTolerance);
    // The move uses the new velocity.
    EXPECT_NEAR(b.x, 1.5 + 0.03 * b.vx, kTolerance);
    EXPECT_NEAR(b.y, 1.5 + 0.03 * b.vy, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfGround, FrictionTest,
                         ::testing::Values(FrictionCase{Floor, 0.02}, FrictionCase{Start, 0.02},
                                           FrictionCase{Finish, 0.02}, FrictionCase{Mpull, 0.02},
                                           FrictionCase{Mpush, 0.02}, FrictionCase{0, 0.02},
                                           FrictionCase{9, 0.02}, FrictionCase{-5, 0.02},
                                           FrictionCase{Ice, 0.001}, FrictionCase{Mud, 1.0}));

TEST_F(BallPhysicsTest, MudForOneAndAHalfSecondsReversesAndHalvesTheOldVelocity)
{
    MakeCourse(3, 3, Mud);
    Place(1.5, 1.5, 0.4, -0.2);
    m_pointer = {510, 380};  // the push is added after the friction, untouched by it
    Step(1500);

    const BallState b = Ball();
    EXPECT_NEAR(b.vx, -0.2 + 0.2, kTolerance);
    EXPECT_NEAR(b.vy, 0.1, kTolerance);
    EXPECT_NEAR(b.x, 1.5, kTolerance);
    EXPECT_NEAR(b.y, 1.5 + 1.5 * 0.1, kTolerance);
}

TEST_F(BallPhysicsTest, RampRisingByOnePerCellAcceleratesDownhillByRootTwo)
{
    // Every cell rises by one towards +x; corner[2] is off the ball's plane.
    MakeCourse(5, 3, Floor, 0, 1, 7, 0);
    Place(2.5, 1.5);
    Step(30);

    const BallState b = Ball();
    EXPECT_NEAR(b.vx / 0.03, -std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(b.vy, 0.0, kTolerance);
    EXPECT_NEAR(b.z, m_doc.GetHeightField().GetHeightAt(b.x, b.y), kTolerance);
    EXPECT_LT(b.z, 0.5);  // rolled a little downhill

    // The same along y.
    MakeCourse(3, 5, Floor, 0, 0, 0, 1);
    Place(1.5, 2.5);
    Step(30);
    EXPECT_NEAR(Ball().vy / 0.03, -std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(Ball().vx, 0.0, kTolerance);
}

TEST_F(BallPhysicsTest, SlopeIsTakenFromTheCellBeforeTheMove)
{
    // Flat cell at x = 0, ramp at x = 1: a ball leaving the flat cell feels no slope yet.
    MakeCourse(2, 1, Floor);
    m_doc.GetHeightField().SetCell(1, 0, HeightCell{Floor, {0, 5, 5, 0}, 0});
    Place(0.99, 0.5, 1.0, 0.0);
    Step(30);
    EXPECT_NEAR(Ball().vx, 1.0 * 0.9994, kTolerance);
    EXPECT_NEAR(Ball().z, 5.0 * (Ball().x - 1.0), kTolerance);
}

TEST_F(BallPhysicsTest, PointerTenRightAndFiveUpAddsPointTwoAndPointOne)
{
    MakeCourse(3, 3, Floor);
    Place(1.5, 1.5, 0.5, 0.5);
    m_pointer = {510, 375};
    Step(30);

    const BallState b = Ball();
    EXPECT_NEAR(b.vx, 0.5 * 0.9994 + 0.2, kTolerance);
    EXPECT_NEAR(b.vy, 0.5 * 0.9994 + 0.1, kTolerance);
    EXPECT_EQ(m_lastCursor.x, 510);
    EXPECT_EQ(m_lastCursor.y, 375);
    EXPECT_EQ(m_pointerReads, 1);

    // The pointer stayed: no further push.
    Step(30);
    EXPECT_NEAR(Ball().vx, b.vx * 0.9994, kTolerance);
}

TEST_F(BallPhysicsTest, ElapsedTimeIsClampedToOneAndAHalfSeconds)
{
    MakeCourse(8, 3, Ice);
    Place(0.5, 1.5, 1.0, 0.0);
    Step(5000);

    const BallState b = Ball();
    EXPECT_DOUBLE_EQ(b.angle, 270.0);
    EXPECT_NEAR(b.vx, 1.0 - 0.001 * 1.5, kTolerance);
    EXPECT_NEAR(b.x, 0.5 + 1.5 * b.vx, kTolerance);
}

TEST_F(BallPhysicsTest, ExactlyOneAndAHalfSecondsIsKept)
{
    MakeCourse(3, 3, Floor);
    Place(1.5, 1.5);
    Step(1500);
    EXPECT_DOUBLE_EQ(Ball().angle, 270.0);
}

TEST_F(BallPhysicsTest, FrameTimesWrappingPastTheTopOfTheClockGiveTheShortInterval)
{
    MakeCourse(3, 3, Floor);
    Place(1.5, 1.5, 1.0, 0.0);
    StepBall(m_doc, 0x0000000Eu, 0xFFFFFFF0u, m_lastCursor, [] { return ScreenPoint{500, 380}; });

    const BallState b = Ball();
    EXPECT_NEAR(b.angle, 180.0 * 0.030, kTolerance);
    EXPECT_NEAR(b.x, 1.5 + 0.03 * 0.9994, kTolerance);
}

struct SpinCase {
    double angle;
    std::uint32_t elapsedMs;
    double expected;
};

void PrintTo(const SpinCase& c, std::ostream* os)
{
    *os << c.angle << " degrees, " << c.elapsedMs << " ms";
}

class SpinTest : public BallPhysicsTest, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(SpinTest, TurnsAt180DegreesPerSecondAndWrapsOnlyAbove360)
{
    MakeCourse(3, 3, Floor);
    Place(1.5, 1.5, 0.0, 0.0, GetParam().angle);
    Step(GetParam().elapsedMs);
    EXPECT_DOUBLE_EQ(Ball().angle, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Angles, SpinTest,
                         ::testing::Values(SpinCase{300.0, 500, 30.0}, SpinCase{270.0, 500, 360.0},
                                           SpinCase{0.0, 30, 5.4}, SpinCase{359.0, 0, 359.0},
                                           SpinCase{350.0, 1500, 260.0}));

TEST_F(BallPhysicsTest, LandingExactlyOnTheWidthIsOffTheCourse)
{
    MakeCourse(4, 2, Floor);
    Place(3.5, 0.5, 0.0, 0.0, 10.0);
    const BallState before = Ball();
    m_pointer = {550, 380};  // +1 cell per second
    ASSERT_EQ(3.5 + 0.5 * (0.02 * 50), 4.0);
    Step(500);

    EXPECT_EQ(m_doc.GetPlayState(), Lost);
    ExpectSameBall(Ball(), before);
}

TEST_F(BallPhysicsTest, LandingExactlyOnTheHeightIsOffTheCourse)
{
    MakeCourse(2, 4, Floor);
    Place(0.5, 3.5);
    m_pointer = {500, 330};
    Step(500);
    EXPECT_EQ(m_doc.GetPlayState(), Lost);
}

TEST_F(BallPhysicsTest, LandingExactlyOnZeroIsStillOnTheCourse)
{
    MakeCourse(4, 4, Floor, 3, 3, 3, 3);
    Place(0.5, 0.5);
    m_pointer = {450, 430};  // -1 cell per second in x and in y
    Step(500);

    const BallState b = Ball();
    EXPECT_EQ(m_doc.GetPlayState(), Rolling);
    EXPECT_EQ(b.x, 0.0);
    EXPECT_EQ(b.y, 0.0);
    EXPECT_EQ(b.z, 3.0);
}

TEST_F(BallPhysicsTest, LeavingBelowZeroIsLost)
{
    MakeCourse(4, 4, Floor);
    Place(0.01, 2.5, -1.0, 0.0);
    Step(30);
    EXPECT_EQ(m_doc.GetPlayState(), Lost);
}

TEST_F(BallPhysicsTest, EnteringAHoleIsLostAndKeepsThePreviousBall)
{
    MakeCourse(3, 1, Floor, 4, 4, 4, 4);
    SetType(1, 0, Hole);
    Place(0.95, 0.5, 2.0, 0.0, 45.0);
    const BallState before = Ball();
    m_pointer = {501, 380};
    Step(30);

    EXPECT_EQ(m_doc.GetPlayState(), Lost);
    ExpectSameBall(Ball(), before);
    // The pointer was consumed before the move.
    EXPECT_EQ(m_lastCursor.x, 501);
}

TEST_F(BallPhysicsTest, EnteringAFinishWinsOnTheFinishCellAndThenOnlySpins)
{
    MakeCourse(3, 1, Floor, 2, 6, 6, 2);
    m_doc.GetHeightField().SetCell(1, 0, HeightCell{Finish, {6, 8, 8, 6}, 0});
    Place(0.95, 0.5, 3.0, 0.0);
    Step(30);

    const BallState won = Ball();
    EXPECT_EQ(m_doc.GetPlayState(), Won);
    EXPECT_GE(won.x, 1.0);
    EXPECT_LT(won.x, 2.0);
    EXPECT_NEAR(won.z, 6.0 + 2.0 * (won.x - 1.0), kTolerance);

    m_pointer = {600, 200};
    Step(30);
    Step(30);
    const BallState later = Ball();
    EXPECT_EQ(m_doc.GetPlayState(), Won);
    EXPECT_EQ(later.x, won.x);
    EXPECT_EQ(later.y, won.y);
    EXPECT_EQ(later.z, won.z);
    EXPECT_EQ(later.vx, won.vx);
    EXPECT_EQ(later.vy, won.vy);
    EXPECT_NEAR(later.angle, won.angle + 2 * 5.4, kTolerance);
    EXPECT_EQ(m_pointerReads, 1);
}

class NotRollingTest : public BallPhysicsTest, public ::testing::WithParamInterface<PlayState> {};

TEST_P(NotRollingTest, OnlyTheSpinMovesAndThePointerIsNotRead)
{
    MakeCourse(3, 3, Floor, 0, 9, 9, 0);
    Place(1.5, 1.5, 0.7, -0.3, 100.0);
    m_doc.SetPlayState(GetParam());
    const BallState before = Ball();
    m_pointer = {700, 100};
    Step(500);

    BallState expected = before;
    expected.angle = 190.0;
    ExpectSameBall(Ball(), expected);
    EXPECT_EQ(m_doc.GetPlayState(), GetParam());
    EXPECT_EQ(m_pointerReads, 0);
    EXPECT_EQ(m_lastCursor.x, 500);
    EXPECT_EQ(m_lastCursor.y, 380);
}

INSTANTIATE_TEST_SUITE_P(States, NotRollingTest, ::testing::Values(Idle, Lost, Won));

TEST_F(BallPhysicsTest, EmptyCourseIsLostWithoutTouchingTheBall)
{
    // A fresh document: no course, ball at (4, 4, 0).
    m_doc.SetPlayState(Rolling);
    const BallState before = Ball();
    Step(30);
    EXPECT_EQ(m_doc.GetPlayState(), Lost);
    ExpectSameBall(Ball(), before);
    EXPECT_EQ(m_lastCursor.x, 500);
}

TEST_F(BallPhysicsTest, BallLeftOffASmallerCourseIsLostWithoutReadingACell)
{
    // A course replaced under a running game; an out-of-grid read would show
    // under the address sanitizer.
    MakeCourse(2, 2, Floor);
    m_doc.SetBall(5.5, 0.5, 0.0, 0.0, 0.0, 0.0);
    m_doc.SetPlayState(Rolling);
    m_pointer = {520, 380};
    Step(30);
    EXPECT_EQ(m_doc.GetPlayState(), Lost);
    EXPECT_EQ(Ball().x, 5.5);
    EXPECT_EQ(m_lastCursor.x, 500);
}

// Random small courses, frame intervals and pointer moves: the ball stays
// finite, stays on a non-hole cell while rolling, sits on the surface, and a
// finished game only spins.
TEST_F(BallPhysicsTest, RandomPlayKeepsTheBallFiniteAndOnTheCourse)
{
    std::mt19937 rng(20240611);
    auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::vector<std::int16_t> types{Floor, Floor, Floor, Hole, Start, Finish, Mpull, Mpush, Ice, Mud, 0, 11};

    for (int round = 0; round < 400; ++round) {
        const int width = uniform(1, 6);
        const int height = uniform(1, 6);
        CHeightField& course = m_doc.GetHeightField();
        course.Create(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                HeightCell cell{types[uniform(0, static_cast<int>(types.size()) - 1)], {}, 0};
                for (auto& corner : cell.corner)
                    corner = static_cast<std::int16_t>(round % 10 == 0 ? uniform(-32768, 32767) : uniform(-5, 30));
                course.SetCell(x, y, cell);
            }
        const int startX = uniform(0, width - 1);
        const int startY = uniform(0, height - 1);
        course.GetCell(startX, startY).type = Floor;
        Place(startX + 0.5, startY + 0.5, 0.0, 0.0, uniform(0, 359));
        m_clock = static_cast<std::uint32_t>(rng());

        for (int step = 0; step < 150; ++step) {
            const PlayState stateBefore = m_doc.GetPlayState();
            const BallState before = Ball();
            m_pointer.x += uniform(-40, 40);
            m_pointer.y += uniform(-40, 40);
            Step(static_cast<std::uint32_t>(uniform(0, 10) == 0 ? rng() : uniform(0, 120)));

            const BallState b = Ball();
            for (double v : {b.x, b.y, b.z, b.angle, b.vx, b.vy})
                ASSERT_TRUE(std::isfinite(v)) << "round " << round << " step " << step;
            ASSERT_GE(b.angle, 0.0);
            ASSERT_LE(b.angle, 360.0);

            const PlayState state = m_doc.GetPlayState();
            if (stateBefore != Rolling) {
                ASSERT_EQ(state, stateBefore);
                ASSERT_EQ(b.x, before.x);
                ASSERT_EQ(b.vx, before.vx);
                continue;
            }
            if (state == Lost) {
                ExpectSameBall(b, before);
                continue;
            }
            ASSERT_GE(b.x, 0.0);
            ASSERT_LT(b.x, width);
            ASSERT_GE(b.y, 0.0);
            ASSERT_LT(b.y, height);
            const HeightCell& under = course.GetCell(static_cast<int>(b.x), static_cast<int>(b.y));
            ASSERT_NE(under.type, Hole);
            ASSERT_EQ(state == Won, under.type == Finish);
            ASSERT_EQ(b.z, course.GetHeightAt(b.x, b.y));
        }
    }
}

}  // namespace
