// Courses painted from a picture of their cell types and a height function,
// as the shipped courses, the benchmarks and the tests make them.

#include "course/CellType.h"
#include "course/CoursePicture.h"
#include "course/HeightField.h"

#include <gtest/gtest.h>

TEST(CoursePicture, PaintsTypesAndHeightsRowsFromTheFarEndOrSaysWhyNot)
{
    CHeightField grid;
    std::string reason;
    ASSERT_TRUE(PaintCourse(grid, {"F<>m", ".S#i"}, SmoothHeights([](int x, int y) { return 10 * x + y; }), reason));
    const std::int16_t types[] = {Floor, Start, Hole, Ice, Finish, Mpull, Mpush, Mud};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(grid.GetCell(i % 4, i / 4).type, types[i]) << i;
    EXPECT_EQ(grid.GetCell(3, 1), (HeightCell{Mud, {31, 41, 42, 32}, 0}));
    EXPECT_EQ(grid.GetCell(2, 0), (HeightCell{Hole, {0, 0, 0, 0}, 0})) << "a hole is a pit at 0";
    const std::pair<std::vector<std::string>, const char*> refusals[] = {
        {{"..", "."}, "row 0 is not 2 cells wide"}, {{"?"}, "unknown cell '?' in row 0"},
        {{"..."}, "cell (1, 0) has height 100"}, {{}, "the picture has no cells"}};
    for (const auto& [picture, why] : refusals) {
        EXPECT_FALSE(PaintCourse(grid, picture, SmoothHeights([](int x, int) { return 50 * x; }), reason));
        EXPECT_EQ(reason, why);
    }
}
