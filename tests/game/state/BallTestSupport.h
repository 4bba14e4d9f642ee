#pragma once

#include "game/state/BallState.h"
#include "game/state/BraskDoc.h"

#include <ostream>

inline BallState BallOf(const CBraskDoc& doc)
{
    BallState b;
    doc.GetBall(b.x, b.y, b.z, b.angle, b.vx, b.vy);
    return b;
}

inline void SetBallOf(CBraskDoc& doc, const BallState& b)
{
    doc.SetBall(b.x, b.y, b.z, b.angle, b.vx, b.vy);
}

// Exact: the physics is deterministic, and a step that must leave the ball
// alone must leave every bit of it.
inline bool operator==(const BallState& a, const BallState& b)
{
    return a.x == b.x && a.y == b.y && a.z == b.z && a.angle == b.angle && a.vx == b.vx && a.vy == b.vy;
}

inline void PrintTo(const BallState& b, std::ostream* os)
{
    *os << "ball at (" << b.x << ", " << b.y << ", " << b.z << ") angle " << b.angle << " velocity (" << b.vx
        << ", " << b.vy << ")";
}
