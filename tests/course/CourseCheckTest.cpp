// Whether the finish can be reached from the start the ball is put on.

#include "course/CourseCheck.h"
#include "course/CoursePicture.h"
#include "course/HeightField.h"

#include <gtest/gtest.h>

TEST(CourseCheck, FindsTheFinishFromTheFirstStartOverCellsThatAreNotHoles)
{
    using V = CourseVerdict;
    const std::pair<std::vector<std::string>, V> cases[] = {
        {{"S.F"}, V::Playable}, {{"Si>", "#<F"}, V::Playable}, {{"S#F", ".#.", "..."}, V::Playable},
        {{"S#F"}, V::FinishUnreachable}, {{"S#", "#F"}, V::FinishUnreachable},  // corners do not join cells
        // The ball starts on the first start, column by column: (0, 1), then (2, 0).
        {{"S#S.F"}, V::FinishUnreachable}, {{"S#.", "F#S"}, V::Playable},
        {{"S.."}, V::NoFinish}, {{"..F"}, V::NoStart}, {{"..."}, V::NoStartNoFinish}};
    for (const auto& [picture, verdict] : cases) {
        CHeightField course;
        std::string reason;
        ASSERT_TRUE(PaintCourse(course, picture, SmoothHeights([](int, int) { return 0; }), reason)) << reason;
        EXPECT_EQ(CheckCourse(course), verdict) << picture[0];
    }
}
