#include "editor/GridSelection.h"

#include <gtest/gtest.h>

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

TEST(GridSelectionWorkedExample, SelectsTheBottomRowOfAThreeByTwoCourse)
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
}

TEST(GridSelectionClick, WithoutMovingSelectsOneCorner)
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

TEST(GridSelectionCorners, FollowTheParitiesOfTheHalfCell)
{
    EXPECT_EQ(CGridSelection::CornerOfHalfCell(0, 0), 3);
    EXPECT_EQ(CGridSelection::CornerOfHalfCell(1, 0), 2);
    EXPECT_EQ(CGridSelection::CornerOfHalfCell(0, 1), 0);
    EXPECT_EQ(CGridSelection::CornerOfHalfCell(1, 1), 1);
    EXPECT_EQ(CGridSelection::CornerOfHalfCell(7, 4), 2);
}

TEST(GridSelectionDrag, AnyTwoOppositeCornersGiveTheSameBlock)
{
    const GridPoint topLeft{30, 20};
    const GridPoint bottomRight{130, 95};
    const GridPoint topRight{130, 20};
    const GridPoint bottomLeft{30, 95};
    const CGridSelection reference = Drag(topLeft, bottomRight);
    for (const auto& [from, to] : {std::pair{bottomRight, topLeft}, std::pair{topRight, bottomLeft},
                                   std::pair{bottomLeft, topRight}}) {
        const CGridSelection selection = Drag(from, to);
        EXPECT_EQ(selection.GetOutline(), reference.GetOutline());
        EXPECT_EQ(Visited(selection, 3, 2), Visited(reference, 3, 2));
    }
}

TEST(GridSelectionRelease, WithoutAPressIsIgnored)
{
    CGridSelection selection;
    EXPECT_FALSE(selection.OnRelease({60, 90}));
    EXPECT_FALSE(selection.HasSelection());
}

TEST(GridSelectionRelease, NeedsAFreshPressEachTime)
{
    CGridSelection selection = Drag({10, 60}, {60, 90});
    const GridRect outline = selection.GetOutline();
    // The second release of a double-click whose press went elsewhere.
    EXPECT_FALSE(selection.OnRelease({140, 10}));
    EXPECT_EQ(selection.GetOutline(), outline);
    selection.OnPress({140, 10});
    EXPECT_TRUE(selection.OnRelease({140, 10}));
    EXPECT_EQ(selection.GetOutline(), (GridRect{126, 1, 150, 25}));
}

TEST(GridSelectionOutsideTheGrid, SkipsHalfCellsWithoutACell)
{
    // Dragged from far left-above to far right-below a 3 x 2 course.
    const CGridSelection selection = Drag({-60, -40}, {400, 300});
    EXPECT_EQ(selection.GetFirstHalfCell(), (GridPoint{-3, -2}));
    EXPECT_EQ(selection.GetOutline().left, -74);
    const std::vector<Corner> visited = Visited(selection, 3, 2);
    EXPECT_EQ(visited.size(), 24u);  // every corner of the six cells, once
    EXPECT_EQ(std::set<Corner>(visited.begin(), visited.end()).size(), 24u);
}

TEST(GridSelectionOutsideTheGrid, KeptFromALargerCourseTouchesNothingOfAnEmptyOne)
{
    const CGridSelection selection = Drag({0, 0}, {1000, 1000});
    EXPECT_TRUE(Visited(selection, 0, 0).empty());
    EXPECT_TRUE(Visited(CGridSelection(), 3, 2).empty());
}

TEST(GridSelectionProperty, RandomDragsVisitEachCornerOnTheCourseOnce)
{
    std::mt19937 random(20240605);
    std::uniform_int_distribution<int> pixel(-120, 420);
    std::uniform_int_distribution<int> size(0, 6);
    for (int round = 0; round < 500; ++round) {
        const int width = size(random);
        const int height = size(random);
        const GridPoint from{pixel(random), pixel(random)};
        const GridPoint to{pixel(random), pixel(random)};
        const CGridSelection selection = Drag(from, to);
        const std::vector<Corner> visited = Visited(selection, width, height);
        std::set<Corner> unique;
        for (const Corner& corner : visited) {
            const auto [x, y, k] = corner;
            ASSERT_GE(x, 0);
            ASSERT_LT(x, width);
            ASSERT_GE(y, 0);
            ASSERT_LT(y, height);
            ASSERT_TRUE(unique.insert(corner).second) << "corner visited twice";
        }
        // The count is the selected half-cells that lie on the course.
        const GridPoint first = selection.GetFirstHalfCell();
        const GridPoint last = selection.GetLastHalfCell();
        const int columns = std::max(0, std::min(last.x, 2 * width - 1) - std::max(first.x, 0) + 1);
        const int rows = std::max(0, std::min(last.y, 2 * height - 1) - std::max(first.y, 0) + 1);
        EXPECT_EQ(static_cast<int>(visited.size()), width > 0 && height > 0 ? columns * rows : 0);
    }
}

}  // namespace
