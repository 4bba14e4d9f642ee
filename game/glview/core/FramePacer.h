#pragma once

#include <cstdint>

// The render loop's timing: at most one full frame per 30 ms, a short idle
// gap after every frame however long it took, and the frame rate for the
// title, shown with the first animated frame of the process and every 16th
// after it. Times are readings of the millisecond clock; the differences
// taken here stay right across its wrap.
class CFramePacer {
public:
    // How long a paint at frameTime waits for the next full frame, the last
    // one having been drawn at lastFrameTime: 0 when a frame is due.
    uint32_t TimeUntilDue(uint32_t frameTime, uint32_t lastFrameTime) const;
    // How long after a full frame that took frameDuration ms the next one
    // is asked for: the rest of the 30 ms interval, but never less than a
    // short gap in which the event loop does its idle work.
    uint32_t NextFrameDelay(uint32_t frameDuration) const;
    // The rate of the interval between two full frames in whole frames a
    // second; 0 for an empty interval.
    int FramesPerSecond(uint32_t frameTime, uint32_t lastFrameTime) const;
    // Counts one animated frame on the counter that every pacer of the
    // process shares; true when the title shows the rate with this frame.
    bool CountTitleFrame();

private:
    // Starts one short of the period, so that the first animated frame
    // already shows the rate.
    static int s_framesSinceTitle;
};
