#pragma once

#include "game/state/BraskDoc.h"

#include <array>

// The ball as x, y, z, angle, vx, vy, compared exactly and printed whole.
using Ball = std::array<double, 6>;
inline Ball BallOf(const CBraskDoc& d) { const BallState& b = d.GetBallState(); return {b.x, b.y, b.z, b.angle, b.vx, b.vy}; }
