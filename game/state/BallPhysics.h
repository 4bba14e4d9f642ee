#pragma once

#include "game/state/ScreenPoint.h"

#include <cstdint>
#include <functional>

class CBraskDoc;

// Reads the pointer's current screen position.
using PointerReader = std::function<ScreenPoint()>;

// One step of the ball, run by the game view before it draws a frame.
//
// While the game is paused it only takes the pointer's position as
// lastCursor. Otherwise it spins the ball by the time since the last full
// frame; while the document's play state is Rolling it also adds that time
// to the game's clock and applies friction, the slope of the cell under
// the ball and the pointer's movement since `lastCursor` to the velocity,
// moves the ball, and sets Lost (off the course or into a Hole; the ball
// record is then left as the previous step wrote it) or Won (onto a Finish
// cell).
//
// frameTime and lastFrameTime are millisecond clock readings of this frame
// and of the previous full frame; their unsigned difference is the elapsed
// time, so the clock's wrap-around is harmless. lastCursor is the pointer
// position of the previous running step or re-centring; a running step that
// reaches the pointer term replaces it with the position `readPointer` gives.
// readPointer is called exactly once on a running or paused step and never
// otherwise.
void StepBall(CBraskDoc& doc, std::uint32_t frameTime, std::uint32_t lastFrameTime,
              ScreenPoint& lastCursor, const PointerReader& readPointer);
