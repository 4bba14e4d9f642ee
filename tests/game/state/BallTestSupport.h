#pragma once

#include "game/state/BraskDoc.h"

#include <array>

// The ball as x, y, z, angle, vx, vy, compared exactly and printed whole.
using Ball = std::array<double, 6>;
inline Ball BallOf(const CBraskDoc& doc) { Ball b; doc.GetBall(b[0], b[1], b[2], b[3], b[4], b[5]); return b; }
