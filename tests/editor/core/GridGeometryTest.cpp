#include "editor/core/GridGeometry.h"

#include <gtest/gtest.h>

#include <utility>

TEST(GridGeometry, CourseRowZeroIsAtTheBottomEachCornerHasItsSquareAndEachTypeItsLabel)
{
    // On a course two rows high, screen rows 0 and 1 show course rows 1 and 0.
    EXPECT_EQ(std::pair(CourseRowAt(0, 2), CourseRowAt(1, 2)), std::pair(1, 0));
    // The squares of screen cell (2, 1): bottom-left, bottom-right, top-right, top-left.
    const GridRect squares[] = {{101, 84, 117, 100}, {134, 84, 150, 100}, {134, 51, 150, 67}, {101, 51, 117, 67}};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(CornerSquareRect(2, 1, k), squares[k]) << "corner " << k;
    // Labels keep their leading blanks; unknown types show "?".
    const std::pair<int, const char*> labels[] = {{1, "     +"}, {2, "     -"}, {3, "  start"}, {4, " finish"},
        {5, " mpull"}, {6, "mpush"}, {7, "   ice"}, {8, "  mud"}, {0, "     ?"}, {9, "     ?"}, {-5, "     ?"}};
    for (const auto& [type, label] : labels)
        EXPECT_STREQ(CellLabel(type), label) << "type " << type;
}
