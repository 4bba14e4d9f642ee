// One rolling step of the ball on a 3 x 2 course, worked out by hand. What holds for any step (a loss
// writes nothing, a win is a finish, a rolling ball is on the course and no hole, the spin within 0..360)
// is the ball_step fuzz target's.

#include "game/state/BallPhysics.h"

#include "BallTestSupport.h"
#include "course/CellType.h"

#include <gtest/gtest.h>

namespace {

constexpr HeightCell Flat(std::int16_t type) { return {type, {3, 3, 3, 3}, 0}; }
// Rising 1 a cell along x and 2 along y; rising 5 along x.
constexpr HeightCell kRamp{Floor, {0, 1, 3, 2}, 0}, kSteep{Floor, {3, 8, 8, 3}, 0};
constexpr std::uint32_t kLastFrame = 0xFFFFFFF0u;  // every step straddles the clock's wrap

struct StepCase {
    const char* what;
    Ball from;         // on the surface
    ScreenPoint move;  // pointer pixels since the last step, y down
    std::uint32_t ms;  // since the last full frame
    PlayState state;
    Ball to;                          // neither z nor a lost step is checked
    HeightCell ground = Flat(Floor);  // every cell's but (1, 0), which is kSteep
};

const StepCase kCases[] = {
    // Friction keeps 1 - f dt of the velocity, f = 0.02 on floor and unnamed types, 0.001 on ice, 1 in mud;
    // the push comes after it, 0.02 cells a second a pixel, and the move is by the new velocity; the spin
    // turns 180 degrees a second.
    {"type 9, pointer 10 right, 5 up", {1.5, 1.5, 3, 0, 0.5, 0.5}, {10, -5}, 30, Rolling,
     {1.520991, 1.517991, 0, 5.4, 0.6997, 0.5997}, Flat(9)},
    {"1.5 s in mud", {1.5, 1.5, 3, 0, 0.4, -0.2}, {10, 0}, 1500, Rolling, {1.5, 1.65, 0, 270, 0, 0.1}, Flat(Mud)},
    {"a pause on ice counts as 1.5 s", {1.5, 1.5, 3, 0, 1, 0}, {}, 5000, Rolling, {2.99775, 1.5, 0, 270, 0.9985, 0},
     Flat(Ice)},
    {"spin stays at 360", {1.5, 1.5, 3, 270, 0, 0}, {}, 500, Rolling, {1.5, 1.5, 0, 360, 0, 0}},
    // Downhill at 2 cells a second squared per unit of the normal's horizontal part, here (-1, -2) / root 6.
    {"ramp", {1.5, 1.5, 1.5, 0, 0, 0}, {}, 30, Rolling,
     {1.499265153077165, 1.49853030615433, 0, 5.4, -0.024494897427831782, -0.048989794855663564}, kRamp},
    {"the slope of the cell it leaves", {0.99, 0.5, 3, 10, 1, 0}, {}, 30, Rolling, {1.019982, 0.5, 0, 15.4, 0.9994, 0}},
    // The course is 0 <= x < 3, 0 <= y < 2; 50 pixels for 0.5 s move half a cell.
    {"landing on the width", {2.5, 1.5, 3, 10, 0, 0}, {50, 0}, 500, Lost, {}},
    {"landing on the height", {1.5, 1.5, 3, 10, 0, 0}, {0, -50}, 500, Lost, {}},
    {"landing on 0, 0", {0.5, 0.5, 3, 10, 0, 0}, {-50, 50}, 500, Rolling, {0, 0, 0, 100, -1, -1}},
};

TEST(BallPhysics, OneRollingStep)
{
    for (const StepCase& c : kCases) {
        SCOPED_TRACE(c.what);
        CBraskDoc doc;
        doc.GetHeightField().Create(3, 2);
        for (int cell = 0; cell < 6; ++cell)
            doc.GetHeightField().SetCell(cell % 3, cell / 3, cell == 1 ? kSteep : c.ground);
        doc.SetBall(c.from[0], c.from[1], c.from[2], c.from[3], c.from[4], c.from[5]);
        doc.SetPlayState(Rolling);
        ScreenPoint lastCursor{500, 380}, pointer{500 + c.move.x, 380 + c.move.y};
        StepBall(doc, kLastFrame + c.ms, kLastFrame, lastCursor, [&] { return pointer; });

        EXPECT_EQ(doc.GetPlayState(), c.state);
        EXPECT_TRUE(lastCursor.x == pointer.x && lastCursor.y == pointer.y) << "the step keeps what it read";
        if (c.state == Lost)
            continue;
        for (int i : {0, 1, 3, 4, 5})
            EXPECT_NEAR(BallOf(doc)[i], c.to[i], 1e-12) << "[" << i << "] of x, y, z, angle, vx, vy";
    }
}

// The game's clock sums what the running steps count; a paused game stands still, and the pointer's
// wandering meanwhile does not push the ball afterwards.
TEST(BallPhysics, TheClockRunsWithTheRollingUnpausedGame)
{
    CBraskDoc doc;
    doc.GetHeightField().Create(3, 2);
    doc.OnGameNew();
    doc.SetBall(1.5, 1.5, 0, 0, 0, 0);
    ScreenPoint lastCursor{500, 380}, pointer = lastCursor;
    const auto step = [&](std::uint32_t ms) {
        StepBall(doc, kLastFrame + ms, kLastFrame, lastCursor, [&] { return pointer; });
    };
    step(30);
    step(5000);  // a stall counts as much as the physics takes of it
    EXPECT_EQ(doc.GetPlayTime(), 1530u);
    doc.SetPaused(true);
    const Ball before = BallOf(doc);
    pointer = {900, 100};
    step(700);
    EXPECT_TRUE(doc.IsPaused() && doc.GetPlayTime() == 1530u && BallOf(doc) == before) << "stands still";
    doc.SetPaused(false);
    step(20);
    EXPECT_EQ(BallOf(doc)[4], 0.0) << "pushed by the pointer moved while paused";
    doc.SetPlayState(Won);
    step(30);
    doc.SetPaused(true);
    EXPECT_TRUE(doc.GetPlayTime() == 1550u && !doc.IsPaused()) << "a won game's clock stops and it cannot pause";
    doc.SetPlayState(Rolling);
    doc.SetPaused(true);
    doc.OnGameNew();
    EXPECT_TRUE(doc.GetPlayTime() == 0u && !doc.IsPaused()) << "a new game starts afresh";
}

}  // namespace
