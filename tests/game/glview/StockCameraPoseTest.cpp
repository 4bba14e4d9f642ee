// The stock camera's key table and step.
#include "game/glview/StockCameraPose.h"
#include "platform/keys/VirtualKey.h"

#include <gtest/gtest.h>

#include <vector>

TEST(StockCameraPose, EachKeyStepsOneVelocityByAFifthOfItsBoundAndHomeAndClearReset)
{
    struct Press { unsigned key; int times; bool shift; };
    using Pose = std::vector<double>;
    // The position and angles a second after the keys, from home at rest (Shift+Home).
    const struct { std::vector<Press> presses; Pose pose; } cases[] = {
        {{{VK_LEFT, 6, false}, {VK_RIGHT, 1, false}}, {5, 2, 3, 0, 0, 45}},  // five presses reach the bound
        {{{VK_DOWN, 7, false}, {VK_SUBTRACT, 2, false}, {VK_ADD, 1, false}}, {1, 3, -2, 0, 0, 45}},
        // With Shift the angular velocities, up to 90 degrees a second.
        {{{VK_UP, 6, true}, {VK_ADD, 1, true}, {VK_LEFT, 2, true}, {VK_RIGHT, 1, true}}, {1, 2, 3, 18, -18, 135}},
        {{{VK_LEFT, 1, false}, {VK_HOME, 1, false}}, {2, 2, 3, 0, 0, 45}},  // Home alone keeps the motion
        {{{VK_LEFT, 1, false}, {VK_UP, 1, true}, {VK_CLEAR, 1, false}}, {1, 2, 3, 0, 0, 45}},
        // Other keys are not the camera's (Escape closes the window).
        {{{VK_LEFT, 1, false}, {VK_ESCAPE, 1, true}, {VK_SPACE, 1, false}, {VK_A, 1, true}}, {2, 2, 3, 0, 0, 45}},
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
        EXPECT_EQ(Pose({p[0], p[1], p[2], a[0], a[1], a[2]}), c.pose) << "case " << &c - cases;
    }
}
