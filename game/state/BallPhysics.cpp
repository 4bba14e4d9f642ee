#include "game/state/BallPhysics.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "game/state/BraskDoc.h"

#include <cmath>

namespace {

constexpr double kSecondsPerMs = 0.001;
constexpr double kMsPerSecond = 1000.0;
// A long pause (hidden window, stall, the first frame) counts as this much.
constexpr double kLongestStepSeconds = 1.5;
constexpr double kSpinDegreesPerSecond = 180.0;
constexpr double kFullTurnDegrees = 360.0;

// Share of the velocity lost per second on each kind of ground.
constexpr double kIceFrictionPerSecond = 0.001;
constexpr double kMudFrictionPerSecond = 1.0;
constexpr double kGroundFrictionPerSecond = 0.02;

// Acceleration in cells per second squared per unit of the surface normal's
// horizontal part, which points downhill.
constexpr double kSlopeAcceleration = 2.0;
// Velocity change in cells per second for each pixel the pointer moved.
constexpr double kPointerGain = 0.02;

double FrictionOf(std::int16_t type)
{
    switch (type) {
    case Ice:
        return kIceFrictionPerSecond;
    case Mud:
        return kMudFrictionPerSecond;
    default:
        return kGroundFrictionPerSecond;
    }
}

// Every comparison with NaN is false, so a NaN position is off the course.
bool IsOnCourse(const CHeightField& course, double x, double y)
{
    return 0.0 <= x && x < course.GetWidth() && 0.0 <= y && y < course.GetHeight();
}

}  // namespace

void StepBall(CBraskDoc& doc, std::uint32_t frameTime, std::uint32_t lastFrameTime,
              ScreenPoint& lastCursor, const PointerReader& readPointer)
{
    if (doc.IsPaused()) {
        // Everything stands still, but the pointer's wandering meanwhile
        // must not push the ball once the game goes on.
        lastCursor = readPointer();
        return;
    }
    auto [x, y, z, angle, vx, vy] = doc.GetBallState();
    const CHeightField& course = doc.GetHeightField();

    // Unsigned subtraction: stays right across the clock's 49-day wrap.
    const std::uint32_t elapsedMs = frameTime - lastFrameTime;
    double dt = elapsedMs * kSecondsPerMs;
    if (dt > kLongestStepSeconds)
        dt = kLongestStepSeconds;

    angle += kSpinDegreesPerSecond * dt;
    if (angle > kFullTurnDegrees)
        angle -= kFullTurnDegrees;

    if (doc.GetPlayState() != Rolling) {
        doc.SetBall(x, y, z, angle, vx, vy);
        return;
    }

    // The game's clock counts what the physics counts, a stall included
    // only as far as the clamp lets it.
    doc.AddPlayTime(static_cast<std::uint64_t>(std::lround(dt * kMsPerSecond)));
    const ScreenPoint pointer = readPointer();

    // A course replaced or emptied under a running game: no cell to read.
    if (!IsOnCourse(course, x, y)) {
        doc.SetPlayState(Lost);
        return;
    }

    // Truncation toward zero; the position is known to be non-negative here.
    const int cellX = static_cast<int>(x);
    const int cellY = static_cast<int>(y);
    const double keep = 1.0 - FrictionOf(course.GetCell(cellX, cellY).type) * dt;
    vx *= keep;
    vy *= keep;

    double nx, ny, nz;
    course.GetNormal(cellX, cellY, nx, ny, nz);

    // Screen y grows downwards; pushing the pointer up sends the ball to +y.
    const double dx = static_cast<double>(pointer.x) - lastCursor.x;
    const double dy = static_cast<double>(lastCursor.y) - pointer.y;
    lastCursor = pointer;

    vx += kSlopeAcceleration * nx * dt + kPointerGain * dx;
    vy += kSlopeAcceleration * ny * dt + kPointerGain * dy;

    x += dt * vx;
    y += dt * vy;

    if (!IsOnCourse(course, x, y)) {
        doc.SetPlayState(Lost);
        return;
    }

    const std::int16_t typeBelow = course.GetCell(static_cast<int>(x), static_cast<int>(y)).type;
    if (typeBelow == Hole) {
        doc.SetPlayState(Lost);
        return;
    }
    if (typeBelow == Finish)
        doc.SetPlayState(Won);

    z = course.GetHeightAt(x, y);
    doc.SetBall(x, y, z, angle, vx, vy);
}
