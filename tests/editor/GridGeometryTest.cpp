#include "editor/GridGeometry.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace {

TEST(GridGeometry, CourseRowZeroIsAtTheBottomAndEachCornerHasItsSquare)
{
    // A 3 x 2 course: course row 0 is screen row 1.
    EXPECT_EQ(CourseRowAt(1, 2), 0);
    EXPECT_EQ(CourseRowAt(0, 2), 1);
    // The squares of screen cell (2, 1): bottom-left, bottom-right, top-right, top-left.
    const GridRect squares[] = {{101, 84, 117, 100}, {134, 84, 150, 100}, {134, 51, 150, 67}, {101, 51, 117, 67}};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(CornerSquareRect(2, 1, k), squares[k]) << "corner " << k;
    EXPECT_EQ(LabelOrigin(2, 1), (GridPoint{103, 67}));
    EXPECT_EQ(CellRect(2, 1), (GridRect{100, 50, 150, 100}));
    // Lines run two pixels past the grid, and the scroll extent one.
    const GridLine vertical = VerticalGridLine(2, 2), horizontal = HorizontalGridLine(1, 3);
    EXPECT_EQ((std::array{vertical.from, vertical.to, horizontal.from, horizontal.to}),
              (std::array<GridPoint, 4>{{{100, 0}, {100, 102}, {0, 50}, {152, 50}}}));
    EXPECT_EQ(ScrollExtent(3, 2), (GridPoint{151, 101}));
}

TEST(GridGeometry, CellsMeetingAnAreaAreTheCourseCellsItTouches)
{
    // Area, course width and height; first and last column, first and last row.
    const std::tuple<GridRect, int, int, std::array<int, 4>> cases[] = {
        {{0, 0, 151, 101}, 3, 2, {0, 2, 0, 1}}, {{49, 49, 51, 51}, 3, 2, {0, 1, 0, 1}},
        {{-80, -80, 10, 10}, 3, 2, {0, 0, 0, 0}}, {{50000, 25000, 50800, 25600}, 2000, 2000, {1000, 1015, 500, 511}}};
    for (const auto& [area, width, height, expected] : cases) {
        const CellRange r = CellsMeeting(area, width, height);
        EXPECT_EQ((std::array{r.firstColumn, r.lastColumn, r.firstRow, r.lastRow}), expected);
    }
    EXPECT_TRUE(CellsMeeting({200, 200, 300, 300}, 3, 2).IsEmpty());
    EXPECT_TRUE(CellsMeeting({0, 0, 800, 600}, 0, 0).IsEmpty());
}

TEST(GridGeometry, LabelsKeepTheirLeadingBlanksAndMarkUnknownTypes)
{
    const std::pair<int, std::string> labels[] = {{1, "     +"}, {2, "     -"}, {3, "  start"}, {4, " finish"},
                                                  {5, " mpull"}, {6, "mpush"},  {7, "   ice"},  {8, "  mud"},
                                                  {0, "     ?"}, {9, "     ?"}, {-5, "     ?"}};
    for (const auto& [type, label] : labels)
        EXPECT_EQ(CellLabel(type), label) << "type " << type;
}

}  // namespace
