#include "editor/thumbnailer/Thumbnail.h"

#include "course/CellType.h"
#include "course/HeightField.h"

#include <gtest/gtest.h>

// A 3 x 2 course at 4 pixels a cell: each quarter cell is 2 x 2 pixels, row 0 at the bottom.
TEST(Thumbnail, ColoursEachQuarterByItsCornerAndItsCellsType)
{
    CHeightField course;
    course.Create(3, 2);
    course.SetCell(0, 0, {Floor, {0, 10, 20, 30}, 0});
    course.SetCell(1, 0, {Hole, {40, 40, 40, 40}, 0});
    course.SetCell(2, 0, {Start, {40, 40, 40, 40}, 0});
    course.SetCell(0, 1, {Finish, {40, 40, 40, 40}, 0});
    course.SetCell(1, 1, {Ice, {0, 0, 0, 0}, 0});
    course.SetCell(2, 1, {Mud, {0, 0, 0, 0}, 0});
    const Thumbnail picture = DrawThumbnail(course, 12);
    ASSERT_EQ(picture.width, 12);
    ASSERT_EQ(picture.height, 8);
    const struct {
        int x, y;
        RgbColor colour;
    } cases[] = {
        {0, 7, CornerColor(0)}, {3, 6, CornerColor(10)}, {2, 5, CornerColor(20)}, {1, 4, CornerColor(30)},
        {5, 6, {24, 24, 24}}, {10, 5, {0, 0, 255}},
        {0, 3, {255, 255, 255}}, {3, 3, {0, 0, 0}}, {3, 0, {255, 255, 255}}, {0, 0, {0, 0, 0}},
        {6, 1, {128, 128, 128}}, {9, 2, {48, 32, 16}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(picture.At(c.x, c.y), c.colour) << "pixel " << c.x << ", " << c.y;
}

// The shorter side keeps the cells square; a course of more cells than pixels is sampled.
TEST(Thumbnail, FitsTheSizeAskedFor)
{
    const struct {
        int width, height, size, pictureWidth, pictureHeight;
    } cases[] = {{3, 2, 5000, 1024, 683}, {1, 3000, 64, 1, 64}, {0, 0, 64, 0, 0}};
    for (const auto& c : cases) {
        CHeightField course;
        course.Create(c.width, c.height);
        const Thumbnail picture = DrawThumbnail(course, c.size);
        EXPECT_EQ(picture.width, c.pictureWidth) << c.width << " x " << c.height << " at " << c.size;
        EXPECT_EQ(picture.height, c.pictureHeight) << c.width << " x " << c.height << " at " << c.size;
        EXPECT_EQ(picture.rgb.size(), 3u * c.pictureWidth * c.pictureHeight);
    }
}
