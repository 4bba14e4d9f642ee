// The view's toolkit-free parts: the render loop's timing across the clock's
// wrap, and the stock camera's key table and step.
#include "game/glview/core/FramePacer.h"
#include "game/glview/core/StockCameraPose.h"
#include "platform/keys/VirtualKey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(FramePacer, FramesAre30MsApartWithAnIdleGapAfterEachAndTheRateOfTheLastIntervalEvery16th)
{
    CFramePacer pacer, other;
    const uint32_t last = 0xFFFFFFF0u;  // the last full frame, 16 ms before the clock wraps
    // A paint so many ms after it: the wait until a frame is due, the rate of that interval, and the
    // delay asked for after a frame that took so long.
    const struct { uint32_t after, wait; int rate; uint32_t delay; } cases[] = {
        {0, 30, 0, 30}, {1, 29, 1000, 29}, {24, 6, 41, 6}, {25, 5, 40, 5}, {29, 1, 34, 5}, {30, 0, 33, 5},
        {40, 0, 25, 5}, {5000, 0, 0, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(pacer.TimeUntilDue(last + c.after, last), c.wait) << c.after;
        EXPECT_EQ(pacer.FramesPerSecond(last + c.after, last), c.rate) << c.after;
        EXPECT_EQ(pacer.NextFrameDelay(c.after), c.delay) << c.after;
    }
    // The first animated frame of the process shows the rate, then every 16th, over every view's pacer.
    std::string shown;
    for (int frame = 1; frame <= 34; ++frame)
        shown += (frame % 2 != 0 ? pacer : other).CountTitleFrame() ? '+' : '.';
    EXPECT_EQ(shown, "+" + std::string(15, '.') + "+" + std::string(15, '.') + "+.");
}

TEST(StockCameraPose, EachKeyStepsOneVelocityByAFifthOfItsBoundAndHomeAndClearReset)
{
    struct Press { unsigned key; int times; bool shift; };
    // The position and angles a second after the keys, from home at rest (Shift+Home).
    const struct { std::vector<Press> presses; std::vector<double> pose; } cases[] = {
        {{{VK_LEFT, 6, false}, {VK_RIGHT, 1, false}}, {5, 2, 3, 0, 0, 45}},  // five presses reach the bound
        {{{VK_DOWN, 7, false}, {VK_SUBTRACT, 2, false}, {VK_ADD, 1, false}}, {1, 3, -2, 0, 0, 45}},
        // With Shift the angular velocities, up to 90 degrees a second.
        {{{VK_UP, 6, true}, {VK_ADD, 1, true}, {VK_LEFT, 2, true}, {VK_RIGHT, 1, true}}, {1, 2, 3, 18, -18, 135}},
        {{{VK_LEFT, 1, false}, {VK_HOME, 1, false}}, {2, 2, 3, 0, 0, 45}},  // Home alone keeps the motion
        {{{VK_LEFT, 1, false}, {VK_UP, 1, true}, {VK_CLEAR, 1, false}}, {1, 2, 3, 0, 0, 45}},  // Clear stops all
        {{{VK_LEFT, 1, false}, {VK_ESCAPE, 1, true}, {VK_A, 1, false}}, {2, 2, 3, 0, 0, 45}},  // not the camera's
    };
    for (const auto& c : cases) {
        double p[3] = {7, 8, 9}, a[3] = {1, 1, 1}, velocity[3] = {3, 3, 3}, turn[3] = {9, 9, 9};
        const double home[3] = {1, 2, 3}, homeAngles[3] = {0, 0, 45};
        const StockCameraPose camera{p, a, velocity, turn, home, homeAngles, 5.0, 90.0};
        ApplyCameraKey(camera, VK_HOME, true);
        for (const Press& press : c.presses)
            for (int i = 0; i < press.times; ++i)
                ApplyCameraKey(camera, press.key, press.shift);
        AdvanceCamera(camera, 1.0);
        EXPECT_EQ(std::vector<double>({p[0], p[1], p[2], a[0], a[1], a[2]}), c.pose) << "case " << &c - cases;
    }
}
