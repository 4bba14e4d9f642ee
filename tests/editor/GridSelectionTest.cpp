#include "editor/GridSelection.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <set>
#include <tuple>
#include <vector>

namespace {

using Corner = std::tuple<int, int, int>;  // x, y, corner

std::vector<Corner> Visited(const CGridSelection& selection, int width, int height)
{
    std::vector<Corner> visited;
    selection.ForEachSelectedCorner(width, height,
                                    [&](int x, int y, int corner) { visited.emplace_back(x, y, corner); });
    return visited;
}

CGridSelection Drag(GridPoint from, GridPoint to)
{
    CGridSelection selection;
    selection.OnPress(from);
    selection.OnRelease(to);
    return selection;
}

TEST(GridSelection, TheWorkedExampleSelectsTheBottomRowOfAThreeByTwoCourse)
{
    const CGridSelection selection = Drag({10, 60}, {60, 90});
    ASSERT_TRUE(selection.HasSelection());
    EXPECT_EQ(selection.GetFirstHalfCell(), (GridPoint{0, 2}));
    EXPECT_EQ(selection.GetLastHalfCell(), (GridPoint{2, 3}));
    EXPECT_EQ(selection.GetOutline(), (GridRect{1, 51, 75, 100}));
    const std::vector<Corner> expected = {
        {0, 0, 3}, {0, 0, 2}, {1, 0, 3},  // half-cell row 2: top halves
        {0, 0, 0}, {0, 0, 1}, {1, 0, 0},  // half-cell row 3: bottom halves
    };
    EXPECT_EQ(Visited(selection, 3, 2), expected);

    // Any two opposite corners of a drag give the same block.
    const GridPoint topLeft{30, 20}, bottomRight{130, 95}, topRight{130, 20}, bottomLeft{30, 95};
    const CGridSelection reference = Drag(topLeft, bottomRight);
    const std::pair<GridPoint, GridPoint> drags[] = {
        {bottomRight, topLeft}, {topRight, bottomLeft}, {bottomLeft, topRight}};
    for (const auto& [from, to] : drags) {
        EXPECT_EQ(Drag(from, to).GetOutline(), reference.GetOutline());
        EXPECT_EQ(Visited(Drag(from, to), 3, 2), Visited(reference, 3, 2));
    }
}

TEST(GridSelection, AClickWithoutMovingSelectsOneCorner)
{
    for (int j = 0; j < 6; ++j) {
        for (int i = 0; i < 4; ++i) {
            const GridPoint point{25 * j + 7, 25 * i + 19};
            const CGridSelection selection = Drag(point, point);
            EXPECT_EQ(selection.GetOutline(), (GridRect{25 * j + 1, 25 * i + 1, 25 * j + 25, 25 * i + 25}));
            const std::vector<Corner> visited = Visited(selection, 3, 2);
            ASSERT_EQ(visited.size(), 1u);
            EXPECT_EQ(std::get<0>(visited[0]), j / 2);
            EXPECT_EQ(std::get<1>(visited[0]), 1 - i / 2);
        }
    }
}

TEST(GridSelection, AReleaseNeedsAFreshPressInTheView)
{
    CGridSelection selection;
    EXPECT_FALSE(selection.OnRelease({60, 90}));
    EXPECT_FALSE(selection.HasSelection());
    EXPECT_TRUE(Visited(selection, 3, 2).empty());

    selection.OnPress({10, 60});
    EXPECT_TRUE(selection.OnRelease({60, 90}));
    // The second release of a double-click whose press went elsewhere.
    EXPECT_FALSE(selection.OnRelease({140, 10}));
    EXPECT_EQ(selection.GetOutline(), (GridRect{1, 51, 75, 100}));
}

TEST(GridSelection, HalfCellsWithoutACellAreSkipped)
{
    // Dragged from far left-above to far right-below a 3 x 2 course: every
    // corner of the six cells, once; the outline where the user dragged.
    const CGridSelection selection = Drag({-60, -40}, {400, 300});
    EXPECT_EQ(selection.GetFirstHalfCell(), (GridPoint{-3, -2}));
    EXPECT_EQ(selection.GetOutline().left, -74);
    const std::vector<Corner> visited = Visited(selection, 3, 2);
    EXPECT_EQ(visited.size(), 24u);
    EXPECT_EQ(std::set<Corner>(visited.begin(), visited.end()).size(), 24u);
    // Kept from a larger course, it touches nothing of an empty one.
    EXPECT_TRUE(Visited(selection, 0, 0).empty());

    // Random drags over random small courses visit each selected corner on
    // the course once, and nothing off it.
    std::mt19937 random(20240605);
    std::uniform_int_distribution<int> pixel(-120, 420), size(0, 6);
    for (int round = 0; round < 500; ++round) {
        const int width = size(random), height = size(random);
        const GridPoint from{pixel(random), pixel(random)}, to{pixel(random), pixel(random)};
        const CGridSelection drag = Drag(from, to);
        std::set<Corner> unique;
        for (const Corner& corner : Visited(drag, width, height)) {
            const auto [x, y, k] = corner;
            ASSERT_TRUE(x >= 0 && x < width && y >= 0 && y < height) << x << ", " << y;
            ASSERT_TRUE(unique.insert(corner).second) << "corner visited twice";
        }
        // The count is the selected half-cells that lie on the course.
        const GridPoint first = drag.GetFirstHalfCell(), last = drag.GetLastHalfCell();
        const int columns = std::max(0, std::min(last.x, 2 * width - 1) - std::max(first.x, 0) + 1);
        const int rows = std::max(0, std::min(last.y, 2 * height - 1) - std::max(first.y, 0) + 1);
        EXPECT_EQ(static_cast<int>(unique.size()), width > 0 && height > 0 ? columns * rows : 0);
    }
}

TEST(GridSelection, PointsAtTheEndsOfIntSelectTheWholeCourse)
{
    // The toolkit adds the scroll offset to whatever the window system
    // reports; the outline of such a drag once overflowed an int.
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    const std::pair<GridPoint, GridPoint> drags[] = {
        {{kMin, kMin}, {kMax, kMax}}, {{kMax, kMin}, {kMin, kMax}}, {{kMin, 0}, {kMin, 0}}, {{kMax, 90}, {kMax, 90}}};
    for (const auto& [from, to] : drags) {
        const CGridSelection selection = Drag(from, to);
        const GridRect outline = selection.GetOutline();
        EXPECT_LT(outline.left, outline.right);
        EXPECT_LT(outline.top, outline.bottom);
    }
    const CGridSelection all = Drag({kMin, kMin}, {kMax, kMax});
    EXPECT_EQ(Visited(all, 3, 2).size(), 24u);
    // Far left of the grid stays far left of it, and touches nothing.
    EXPECT_TRUE(Visited(Drag({kMin, 0}, {kMin, 90}), 3, 2).empty());
    EXPECT_TRUE(Visited(Drag({kMax, 0}, {kMax, 90}), 3, 2).empty());
}

}  // namespace
