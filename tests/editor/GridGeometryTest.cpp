#include "editor/GridGeometry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void ExpectLine(const GridLine& line, GridPoint from, GridPoint to)
{
    EXPECT_EQ(line.from, from);
    EXPECT_EQ(line.to, to);
}

TEST(GridGeometry, OneByOneHasOneLineEachWayAndItsCornerSquaresWhereTheCornersAre)
{
    ExpectLine(VerticalGridLine(0, 1), {0, 0}, {0, 52});
    ExpectLine(HorizontalGridLine(0, 1), {0, 0}, {52, 0});
    EXPECT_EQ(ScrollExtent(1, 1), (GridPoint{51, 51}));
    EXPECT_EQ(CornerSquareRect(0, 0, 3), (GridRect{1, 1, 17, 17}));    // top-left
    EXPECT_EQ(CornerSquareRect(0, 0, 2), (GridRect{34, 1, 50, 17}));   // top-right
    EXPECT_EQ(CornerSquareRect(0, 0, 0), (GridRect{1, 34, 17, 50}));   // bottom-left
    EXPECT_EQ(CornerSquareRect(0, 0, 1), (GridRect{34, 34, 50, 50}));  // bottom-right
    EXPECT_EQ(LabelOrigin(0, 0), (GridPoint{3, 17}));
}

TEST(GridGeometry, ThreeByTwoShowsCourseRowZeroAtTheBottomAndLinesStopShortOfItsLastEdges)
{
    // Course cell (0, 0) is at screen row 1, column 0; (2, 1) at row 0, column 2.
    EXPECT_EQ(CourseRowAt(1, 2), 0);
    EXPECT_EQ(CourseRowAt(0, 2), 1);
    EXPECT_EQ(CellRect(0, 1), (GridRect{0, 50, 50, 100}));
    EXPECT_EQ(CellRect(2, 0), (GridRect{100, 0, 150, 50}));
    EXPECT_EQ(CornerSquareRect(2, 1, 1), (GridRect{134, 84, 150, 100}));
    EXPECT_EQ(LabelOrigin(2, 1), (GridPoint{103, 67}));
    ExpectLine(VerticalGridLine(2, 2), {100, 0}, {100, 102});
    ExpectLine(HorizontalGridLine(1, 3), {0, 50}, {152, 50});
    EXPECT_EQ(ScrollExtent(3, 2), (GridPoint{151, 101}));
    // The empty course: a one-pixel extent and no cells.
    EXPECT_EQ(ScrollExtent(0, 0), (GridPoint{1, 1}));
    EXPECT_TRUE(CellsMeeting(GridRect{0, 0, 800, 600}, 0, 0).IsEmpty());
}

TEST(GridGeometry, CellsMeetingCoversExactlyTheCellsInTheArea)
{
    struct Case {
        const char* name;
        GridRect area;
        int width, height;
        CellRange expected;
    };
    const Case cases[] = {
        {"whole 3 x 2 course", {0, 0, 151, 101}, 3, 2, {0, 2, 0, 1}},
        {"one pixel of the first cell", {0, 0, 1, 1}, 3, 2, {0, 0, 0, 0}},
        {"last pixel of a cell only", {49, 49, 50, 50}, 3, 2, {0, 0, 0, 0}},
        {"first pixel of the next cell", {50, 50, 51, 51}, 3, 2, {1, 1, 1, 1}},
        {"straddling four cells", {40, 40, 60, 60}, 3, 2, {0, 1, 0, 1}},
        {"beyond the course", {200, 200, 300, 300}, 3, 2, {4, 2, 4, 1}},
        {"left of and above the course", {-80, -80, 10, 10}, 3, 2, {0, 0, 0, 0}},
        {"scrolled into a large course", {50000, 25000, 50800, 25600}, 2000, 2000, {1000, 1015, 500, 511}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CellRange range = CellsMeeting(c.area, c.width, c.height);
        if (c.expected.IsEmpty()) {
            EXPECT_TRUE(range.IsEmpty());
            continue;
        }
        EXPECT_EQ(range.firstColumn, c.expected.firstColumn);
        EXPECT_EQ(range.lastColumn, c.expected.lastColumn);
        EXPECT_EQ(range.firstRow, c.expected.firstRow);
        EXPECT_EQ(range.lastRow, c.expected.lastRow);
    }
}

TEST(GridGeometry, LabelsKeepTheirLeadingBlanksAndMarkUnknownTypes)
{
    const std::pair<int, std::string> labels[] = {
        {1, "     +"}, {2, "     -"}, {3, "  start"}, {4, " finish"}, {5, " mpull"},
        {6, "mpush"},  {7, "   ice"}, {8, "  mud"},   {0, "     ?"}, {9, "     ?"}, {-5, "     ?"},
    };
    for (const auto& [type, label] : labels)
        EXPECT_EQ(CellLabel(type), label) << "type " << type;
}

}  // namespace
