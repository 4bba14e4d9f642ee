#include "editor/GridGeometry.h"

#include <gtest/gtest.h>

#include <string>

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
