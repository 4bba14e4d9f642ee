#include "game/glview/core/FramePacer.h"

namespace {

// Full frames are at least this far apart (at most about 33 a second).
constexpr uint32_t kMinFrameIntervalMs = 30;
// A frame that takes longer than the interval still leaves the event loop
// this long before the next one, so that idle work runs between frames:
// deferred calls (Escape's close among them) and the deletion of closed
// windows. Without it a slow scene never lets the program end.
constexpr uint32_t kMinIdleGapMs = 5;
// The title shows the frame rate on every 16th animated frame.
constexpr int kTitleUpdatePeriod = 16;

} // namespace

int CFramePacer::s_framesSinceTitle = kTitleUpdatePeriod - 1;

uint32_t CFramePacer::TimeUntilDue(uint32_t frameTime, uint32_t lastFrameTime) const
{
    // Unsigned subtraction: stays right across the clock's 49-day wrap.
    const uint32_t elapsed = frameTime - lastFrameTime;
    return elapsed < kMinFrameIntervalMs ? kMinFrameIntervalMs - elapsed : 0;
}

uint32_t CFramePacer::NextFrameDelay(uint32_t frameDuration) const
{
    if (frameDuration >= kMinFrameIntervalMs - kMinIdleGapMs)
        return kMinIdleGapMs;
    return kMinFrameIntervalMs - frameDuration;
}

int CFramePacer::FramesPerSecond(uint32_t frameTime, uint32_t lastFrameTime) const
{
    const uint32_t elapsed = frameTime - lastFrameTime;
    if (elapsed == 0)
        return 0;
    return static_cast<int>(1000u / elapsed);
}

bool CFramePacer::CountTitleFrame()
{
    if (++s_framesSinceTitle < kTitleUpdatePeriod)
        return false;
    s_framesSinceTitle = 0;
    return true;
}
