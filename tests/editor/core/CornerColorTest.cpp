#include "editor/core/CornerColor.h"

#include <gtest/gtest.h>

TEST(CornerColor, RampsThroughItsBandsAndHoldsBothEnds)
{
    // The first, a middle and the last colour of the bands, and heights beyond both ends.
    const std::pair<int, RgbColor> cases[] = {{0, {0, 0, 0}}, {5, {125, 0, 125}}, {9, {225, 0, 225}},
        {10, {250, 0, 250}}, {15, {125, 125, 250}}, {19, {25, 225, 250}}, {20, {0, 250, 250}}, {29, {225, 250, 25}},
        {30, {250, 250, 0}}, {35, {250, 125, 125}}, {39, {250, 25, 225}}, {90, {250, 250, 0}}, {95, {250, 125, 5}},
        {99, {250, 25, 9}}, {100, {250, 25, 9}}, {32767, {250, 25, 9}}, {-1, {0, 0, 0}}, {-32768, {0, 0, 0}}};
    for (const auto& [height, colour] : cases)
        EXPECT_EQ(CornerColor(height), colour) << "height " << height;
    // The bands repeat every thirty heights from 10 to 89, and every step of one height shows.
    for (int h = 10; h < 60; ++h)
        EXPECT_EQ(CornerColor(h), CornerColor(h + 30)) << "height " << h;
    for (int h = 0; h < 99; ++h)
        EXPECT_FALSE(CornerColor(h) == CornerColor(h + 1)) << "heights " << h << " and " << h + 1;
}
