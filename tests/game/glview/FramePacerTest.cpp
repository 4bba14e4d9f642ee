// The render loop's timing, across the clock's wrap.
#include "game/glview/FramePacer.h"

#include <gtest/gtest.h>

#include <string>

TEST(FramePacer, FramesAre30MsApartWithAnIdleGapAfterEachAndTheRateOfTheLastIntervalEvery16th)
{
    CFramePacer pacer, other;
    const uint32_t last = 0xFFFFFFF0u;  // the last full frame, 16 ms before the clock wraps
    // A paint so many ms after it: the wait until a frame is due, the rate of that interval, and
    // the delay asked for after a frame that took so long.
    const struct { uint32_t after, wait; int rate; uint32_t delay; } cases[] = {
        {0, 30, 0, 30}, {1, 29, 1000, 29}, {24, 6, 41, 6}, {25, 5, 40, 5}, {29, 1, 34, 5}, {30, 0, 33, 5},
        {40, 0, 25, 5}, {5000, 0, 0, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pacer.TimeUntilDue(last + c.after, last), c.wait) << c.after;
        EXPECT_EQ(pacer.FramesPerSecond(last + c.after, last), c.rate) << c.after;
        EXPECT_EQ(pacer.NextFrameDelay(c.after), c.delay) << c.after;
    }
    // The first animated frame of the process shows the rate, then every 16th, counted over
    // every view's pacer.
    std::string shown;
    for (int frame = 1; frame <= 34; ++frame)
        shown += (frame % 2 != 0 ? pacer : other).CountTitleFrame() ? '+' : '.';
    EXPECT_EQ(shown, "+" + std::string(15, '.') + "+" + std::string(15, '.') + "+.");
}
