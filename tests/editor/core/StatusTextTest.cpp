// The status bar's words: the readout under the pointer, the selection's size, what a course check found.

#include "editor/core/StatusText.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "editor/core/GridSelection.h"

#include <gtest/gtest.h>

TEST(StatusText, ReadsOutTheCornerUnderThePointerTheSelectionAndTheCheck)
{
    CHeightField course;
    course.Create(3, 2);
    course.SetCell(0, 0, HeightCell{Start, {5, 9, 42, 13}, 0});
    course.GetCell(1, 0).type = 9;
    const std::pair<GridPoint, const char*> pointers[] = {{{10, 60}, "(0, 0) top-left \u00B7 height 13 \u00B7 start"},
        {{30, 90}, "(0, 0) bottom-right \u00B7 height 9 \u00B7 start"},
        {{60, 60}, "(1, 0) top-left \u00B7 height 0 \u00B7 unknown type 9"},
        {{149, 10}, "(2, 1) top-right \u00B7 height 0 \u00B7 floor"}, {{150, 10}, ""}, {{10, 100}, ""}, {{-1, 10}, ""}};
    for (const auto& [pixel, words] : pointers)
        EXPECT_EQ(PointerReadout(course, pixel), words) << pixel.x << ", " << pixel.y;

    // The fields make room for the whole course selected, and the last corner at the top height of each type.
    const std::vector<std::string> fits = ReadoutsToFit(3, 2);
    EXPECT_EQ(fits.size(), 9u);
    EXPECT_EQ(fits.front(), "6\u00D74 corners, 3\u00D72 cells");
    EXPECT_EQ(fits[Finish], "(2, 1) bottom-right \u00B7 height 99 \u00B7 finish");

    CGridSelection selection;
    EXPECT_EQ(SelectionReadout(selection, course), "");
    const std::pair<GridRect, const char*> drags[] = {{{10, 60, 60, 90}, "3\u00D72 corners, 2\u00D71 cells"},
        {{-40, -40, 200, 30}, "6\u00D72 corners, 3\u00D71 cells"}, {{160, 10, 200, 30}, ""}};
    for (const auto& [drag, words] : drags) {
        selection.OnPress({drag.left, drag.top});
        selection.OnRelease({drag.right, drag.bottom});
        EXPECT_EQ(SelectionReadout(selection, course), words) << drag.left;
    }
    EXPECT_STREQ(VerdictText(CourseVerdict::NoStart), "No start cell");
    EXPECT_STREQ(VerdictText(CourseVerdict::NoFinish), "No finish cell");
    EXPECT_STREQ(VerdictText(CourseVerdict::NoStartNoFinish), "No start cell and no finish cell");
    EXPECT_STREQ(VerdictText(CourseVerdict::FinishUnreachable), "The finish cannot be reached from the start");
    EXPECT_STREQ(VerdictText(CourseVerdict::Playable), "The finish can be reached from the start");
}
