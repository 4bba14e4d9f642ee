// One step of the ball with a fake clock and pointer: friction, slope,
// pointer push, the clock's clamp and wrap, spin, the course's edges, holes
// and the finish.

#include "game/state/BallPhysics.h"

#include "BallTestSupport.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "game/state/BraskDoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr double kTolerance = 1e-12;
constexpr ScreenPoint kRest{500, 380};

class BallPhysicsTest : public ::testing::Test {
protected:
    // A width x height course of one type, every cell with the same corners.
    void MakeCourse(int width, int height, std::int16_t type, std::int16_t c0 = 0, std::int16_t c1 = 0,
                    std::int16_t c2 = 0, std::int16_t c3 = 0)
    {
        CHeightField& course = m_doc.GetHeightField();
        course.Create(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                course.SetCell(x, y, HeightCell{type, {c0, c1, c2, c3}, 0});
    }

    // A rolling ball on the surface at (x, y), the pointer at rest.
    void Place(double x, double y, double vx = 0.0, double vy = 0.0, double angle = 0.0)
    {
        m_doc.SetBall(x, y, m_doc.GetHeightField().GetHeightAt(x, y), angle, vx, vy);
        m_doc.SetPlayState(Rolling);
        m_pointer = m_lastCursor = kRest;
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

    BallState Ball() const { return BallOf(m_doc); }

    CBraskDoc m_doc;
    std::uint32_t m_clock = 100000;
    ScreenPoint m_pointer = kRest;
    ScreenPoint m_lastCursor = kRest;
    int m_pointerReads = 0;
};

TEST_F(BallPhysicsTest, FrictionScalesTheOldVelocityByOneMinusFrictionTimesDt)
{
    const struct {
        std::int16_t type;
        double perSecond;
    } cases[] = {{Floor, 0.02}, {Start, 0.02}, {Finish, 0.02}, {Mpull, 0.02}, {Mpush, 0.02},
                 {0, 0.02},     {9, 0.02},     {-5, 0.02},     {Ice, 0.001}, {Mud, 1.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type);
        MakeCourse(3, 3, c.type);
        Place(1.5, 1.5, 1.0, -2.0);
        Step(30);
        const double keep = 1.0 - c.perSecond * 0.03;
        const BallState b = Ball();
        EXPECT_NEAR(b.vx, 1.0 * keep, kTolerance);
        EXPECT_NEAR(b.vy, -2.0 * keep, kTolerance);
        // The move uses the new velocity.
        EXPECT_NEAR(b.x, 1.5 + 0.03 * b.vx, kTolerance);
        EXPECT_NEAR(b.y, 1.5 + 0.03 * b.vy, kTolerance);
    }
}

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

TEST_F(BallPhysicsTest, FrameTimesWrappingPastTheTopOfTheClockGiveTheShortInterval)
{
    MakeCourse(3, 3, Floor);
    Place(1.5, 1.5, 1.0, 0.0);
    StepBall(m_doc, 0x0000000Eu, 0xFFFFFFF0u, m_lastCursor, [] { return kRest; });

    const BallState b = Ball();
    EXPECT_NEAR(b.angle, 180.0 * 0.030, kTolerance);
    EXPECT_NEAR(b.x, 1.5 + 0.03 * 0.9994, kTolerance);
}

TEST_F(BallPhysicsTest, SpinTurnsAt180DegreesPerSecondAndWrapsOnlyAbove360)
{
    const struct {
        double angle;
        std::uint32_t elapsedMs;
        double expected;
    } cases[] = {{300.0, 500, 30.0}, {270.0, 500, 360.0}, {0.0, 30, 5.4}, {359.0, 0, 359.0}, {350.0, 1500, 260.0}};
    MakeCourse(3, 3, Floor);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.angle << " degrees, " << c.elapsedMs << " ms");
        Place(1.5, 1.5, 0.0, 0.0, c.angle);
        Step(c.elapsedMs);
        EXPECT_DOUBLE_EQ(Ball().angle, c.expected);
    }
}

// The course covers 0 <= x < width and 0 <= y < height, holes excepted: a
// ball that lands outside is lost and keeps the ball of the step before.
// The pointer is read before the move either way.
TEST_F(BallPhysicsTest, EdgesOfTheCourseAndHoles)
{
    const struct {
        const char* name;
        int width, height;
        double x, y, vx;
        ScreenPoint pointer;  // 50 pixels: one cell per second
        std::uint32_t elapsedMs;
        bool hole;  // a Hole at (1, 0)
        PlayState state;
    } cases[] = {
        {"landing exactly on the width", 4, 2, 3.5, 0.5, 0.0, {550, 380}, 500, false, Lost},
        {"landing exactly on the height", 2, 4, 0.5, 3.5, 0.0, {500, 330}, 500, false, Lost},
        {"landing exactly on 0, 0", 4, 4, 0.5, 0.5, 0.0, {450, 430}, 500, false, Rolling},
        {"leaving below 0", 4, 4, 0.01, 2.5, -1.0, kRest, 30, false, Lost},
        {"entering a hole", 3, 1, 0.95, 0.5, 2.0, {501, 380}, 30, true, Lost},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MakeCourse(c.width, c.height, Floor, 3, 3, 3, 3);
        if (c.hole)
            m_doc.GetHeightField().GetCell(1, 0).type = Hole;
        Place(c.x, c.y, c.vx, 0.0, 10.0);
        const BallState before = Ball();
        m_pointer = c.pointer;
        Step(c.elapsedMs);
        EXPECT_EQ(m_doc.GetPlayState(), c.state);
        if (c.state == Lost)
            EXPECT_EQ(Ball(), before);
        else
            EXPECT_EQ(Ball(), (BallState{0.0, 0.0, 3.0, 100.0, -1.0, -1.0}));
        EXPECT_EQ(m_lastCursor.x, c.pointer.x);
        EXPECT_EQ(m_lastCursor.y, c.pointer.y);
    }
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
    BallState later = Ball();
    EXPECT_NEAR(later.angle, won.angle + 2 * 5.4, kTolerance);
    later.angle = won.angle;
    EXPECT_EQ(later, won);
    EXPECT_EQ(m_doc.GetPlayState(), Won);
    EXPECT_EQ(m_pointerReads, 1);
}

TEST_F(BallPhysicsTest, OutsideRollingOnlyTheSpinMovesAndThePointerIsNotRead)
{
    MakeCourse(3, 3, Floor, 0, 9, 9, 0);
    for (PlayState state : {Idle, Lost, Won}) {
        SCOPED_TRACE(state);
        Place(1.5, 1.5, 0.7, -0.3, 100.0);
        m_doc.SetPlayState(state);
        BallState expected = Ball();
        expected.angle = 190.0;
        m_pointer = {700, 100};
        m_pointerReads = 0;
        Step(500);
        EXPECT_EQ(Ball(), expected);
        EXPECT_EQ(m_doc.GetPlayState(), state);
        EXPECT_EQ(m_pointerReads, 0);
        EXPECT_EQ(m_lastCursor.x, kRest.x);
        EXPECT_EQ(m_lastCursor.y, kRest.y);
    }
}

// No cell may be read: an out-of-grid read would show under the address
// sanitizer.
TEST_F(BallPhysicsTest, BallOffTheGridIsLostWithoutTouchingIt)
{
    for (int width : {0, 2}) {  // a fresh document's empty course; a smaller course put under a game
        SCOPED_TRACE(width);
        MakeCourse(width, width, Floor);
        m_doc.SetBall(5.5, 0.5, 0.0, 0.0, 0.0, 0.0);
        m_doc.SetPlayState(Rolling);
        const BallState before = Ball();
        m_pointer = {520, 380};
        Step(30);
        EXPECT_EQ(m_doc.GetPlayState(), Lost);
        EXPECT_EQ(Ball(), before);
        EXPECT_EQ(m_lastCursor.x, kRest.x);
    }
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
            SCOPED_TRACE(::testing::Message() << "round " << round << " step " << step);
            const PlayState stateBefore = m_doc.GetPlayState();
            const BallState before = Ball();
            m_pointer.x += uniform(-40, 40);
            m_pointer.y += uniform(-40, 40);
            Step(static_cast<std::uint32_t>(uniform(0, 10) == 0 ? rng() : uniform(0, 120)));

            const BallState b = Ball();
            for (double v : {b.x, b.y, b.z, b.angle, b.vx, b.vy})
                ASSERT_TRUE(std::isfinite(v));
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
                ASSERT_EQ(b, before);
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
