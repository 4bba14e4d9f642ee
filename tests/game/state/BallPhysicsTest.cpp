// One rolling step of the ball on a 3 x 2 course, worked out by hand. What
// holds for any step is the ball_step fuzz target's.

#include "game/state/BallPhysics.h"

#include "BallTestSupport.h"
#include "course/CellType.h"

#include <gtest/gtest.h>

namespace {

constexpr HeightCell Flat(std::int16_t type) { return {type, {3, 3, 3, 3}, 0}; }
constexpr HeightCell kFloor = Flat(Floor), kRampX{Floor, {0, 1, 1, 0}, 0}, kRampY{Floor, {0, 0, 1, 1}, 0};

struct StepCase {
    const char* what;
    Ball from;         // on the surface
    ScreenPoint move;  // pointer pixels since the last step, y down
    std::uint32_t ms;  // since the last full frame
    PlayState state;
    Ball to;  // z is not checked; a lost step leaves `from` as it was
    HeightCell ground = kFloor;
    HeightCell middle = kFloor;  // the cell at (1, 0)
    std::uint32_t lastFrame = 100000;
};

const StepCase kCases[] = {
    // Friction keeps 1 - f dt of the velocity, f = 0.02 on floor and unnamed types, 0.001 on ice, 1 in
    // mud; the push comes after it, the move is by the new velocity; the spin turns 180 degrees a second.
    {"floor", {1.5, 1.5, 3, 0, 1, -2}, {}, 30, Rolling, {1.529982, 1.440036, 0, 5.4, 0.9994, -1.9988}},
    {"type 9", {1.5, 1.5, 3, 0, 1, -2}, {}, 30, Rolling, {1.529982, 1.440036, 0, 5.4, 0.9994, -1.9988}, Flat(9)},
    {"ice", {1.5, 1.5, 3, 0, 1, -2}, {}, 30, Rolling, {1.5299991, 1.4400018, 0, 5.4, 0.99997, -1.99994}, Flat(Ice)},
    {"mud", {1.5, 1.5, 3, 0, 1, -2}, {}, 30, Rolling, {1.5291, 1.4418, 0, 5.4, 0.97, -1.94}, Flat(Mud)},
    {"1.5 s in mud", {1.5, 1.5, 3, 0, 0.4, -0.2}, {10, 0}, 1500, Rolling, {1.5, 1.65, 0, 270, 0, 0.1}, Flat(Mud)},
    // Rising one a cell: root 2 cells a second squared downhill.
    {"ramp along x", {1.5, 1.5, 0.5, 0, 0, 0}, {}, 30, Rolling, {1.4987272077939, 1.5, 0, 5.4, -0.0424264068712, 0},
     kRampX},
    {"ramp along y", {1.5, 1.5, 0.5, 0, 0, 0}, {}, 30, Rolling, {1.5, 1.4987272077939, 0, 5.4, 0, -0.0424264068712},
     kRampY},
    // A pixel is 0.02 cells a second.
    {"pointer 10 right, 5 up", {1.5, 1.5, 3, 0, 0.5, 0.5}, {10, -5}, 30, Rolling,
     {1.520991, 1.517991, 0, 5.4, 0.6997, 0.5997}},
    {"a pause counts as 1.5 s", {1.5, 1.5, 3, 0, 1, 0}, {}, 5000, Rolling, {2.99775, 1.5, 0, 270, 0.9985, 0}, Flat(Ice)},
    {"across the clock's wrap", {1.5, 1.5, 3, 0, 1, 0}, {}, 30, Rolling, {1.529982, 1.5, 0, 5.4, 0.9994, 0}, kFloor,
     kFloor, 0xFFFFFFF0u},
    {"spin wraps above 360", {1.5, 1.5, 3, 300, 0, 0}, {}, 500, Rolling, {1.5, 1.5, 0, 30, 0, 0}},
    {"spin stays at 360", {1.5, 1.5, 3, 270, 0, 0}, {}, 500, Rolling, {1.5, 1.5, 0, 360, 0, 0}},
    // The course is 0 <= x < 3, 0 <= y < 2 but its holes; 50 pixels for 0.5 s move half a cell.
    {"landing on the width", {2.5, 1.5, 3, 10, 0, 0}, {50, 0}, 500, Lost, {}},
    {"landing on the height", {1.5, 1.5, 3, 10, 0, 0}, {0, -50}, 500, Lost, {}},
    {"landing on 0, 0", {0.5, 0.5, 3, 10, 0, 0}, {-50, 50}, 500, Rolling, {0, 0, 0, 100, -1, -1}},
    {"leaving below 0", {0.01, 1.5, 3, 10, -1, 0}, {}, 30, Lost, {}},
    {"into a hole", {0.95, 0.5, 3, 10, 2, 0}, {1, 0}, 30, Lost, {}, kFloor, Flat(Hole)},
    {"onto a finish", {0.95, 0.5, 3, 10, 3, 0}, {}, 30, Won, {1.039946, 0.5, 0, 15.4, 2.9982, 0}, kFloor, Flat(Finish)},
    {"the slope is the one before the move", {0.99, 0.5, 3, 10, 1, 0}, {}, 30, Rolling,
     {1.019982, 0.5, 0, 15.4, 0.9994, 0}, kFloor, {Floor, {3, 8, 8, 3}, 0}},
};

TEST(BallPhysics, OneRollingStep)
{
    for (const StepCase& c : kCases) {
        SCOPED_TRACE(c.what);
        CBraskDoc doc;
        doc.GetHeightField().Create(3, 2);
        for (int cell = 0; cell < 6; ++cell)
            doc.GetHeightField().SetCell(cell % 3, cell / 3, cell == 1 ? c.middle : c.ground);
        doc.SetBall(c.from[0], c.from[1], c.from[2], c.from[3], c.from[4], c.from[5]);
        doc.SetPlayState(Rolling);
        ScreenPoint lastCursor{500, 380};
        const ScreenPoint pointer{500 + c.move.x, 380 + c.move.y};
        StepBall(doc, c.lastFrame + c.ms, c.lastFrame, lastCursor, [&] { return pointer; });

        EXPECT_EQ(doc.GetPlayState(), c.state);
        EXPECT_TRUE(lastCursor.x == pointer.x && lastCursor.y == pointer.y) << "the step keeps what it read";
        if (c.state == Lost)
            EXPECT_EQ(BallOf(doc), c.from);
        else
            for (int i : {0, 1, 3, 4, 5})
                EXPECT_NEAR(BallOf(doc)[i], c.to[i], 1e-12) << "[" << i << "] of x, y, z, angle, vx, vy";
    }
}

}  // namespace
