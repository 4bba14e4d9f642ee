// The undo history: a step per key that changed cells, every course back exactly through undo and redo, the saved
// state, and the memory the steps take.

#include "editor/core/EditHistory.h"

#include "course/HeightField.h"
#include "editor/core/GridSelection.h"
#include "editor/core/KeyEdit.h"
#include "platform/keys/VirtualKey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr KeyMessage kPlus{VK_ADD, 1, 0x4E, false}, kHeldPlus{VK_ADD, 1, 0x4E | 0x4000, false},
    kHole{'2', 1, 3, false};

std::vector<HeightCell> Cells(const CHeightField& c)
{
    return {&c.GetCell(0, 0), &c.GetCell(0, 0) + c.GetWidth() * c.GetHeight()};
}

// Half-cells (j0, i0) to (j1, i1), as a drag selects them.
CGridSelection Select(int j0, int i0, int j1, int i1)
{
    CGridSelection selection;
    selection.OnPress({kHalfCell * j0, kHalfCell * i0});
    selection.OnRelease({kHalfCell * j1, kHalfCell * i1});
    return selection;
}

}  // namespace

TEST(EditHistory, EachKeyThatChangesCellsIsOneStepAndUndoAndRedoGiveBackEachCourseExactly)
{
    CHeightField course;
    course.Create(5, 4);
    course.GetCell(1, 1).corner[2] = -32768;  // as a file may hold it: the first key holds it at 0, undo brings it back
    course.GetCell(2, 2).corner[0] = 97;
    CEditHistory history;
    std::vector<std::vector<HeightCell>> courses{Cells(course)};
    for (const KeyMessage& key : {kPlus, kHeldPlus, kHole, kHole, kPlus})  // the second of each changes nothing
        if (ApplyKeyToSelection(course, Select(1, 0, 7, 6), key, &history))
            courses.push_back(Cells(course));
    ASSERT_EQ(courses.size(), 4u);
    for (std::size_t n = courses.size() - 1; history.Undo(course); --n)
        EXPECT_EQ(Cells(course), courses[n - 1]) << "undo to course " << n - 1;
    for (std::size_t n = 1; history.Redo(course); ++n)
        EXPECT_EQ(Cells(course), courses[n]) << "redo to course " << n;
    EXPECT_EQ(Cells(course), courses.back());
}

TEST(EditHistory, TheCourseIsSavedOnlyWhereTheHistoryWasWhenItWasSaved)
{
    // k a key, s a save, u undo, r redo, c a new course; after each, whether the course is the saved one.
    const std::string steps = "ksk" "uurruu" "kur" "csk";
    const std::string saved = "0101" "01010" "000" "110";
    CHeightField course;
    course.Create(3, 2);
    CEditHistory history;
    for (std::size_t n = 0; n < steps.size(); ++n) {
        const char step = steps[n];
        step == 'k' ? void(ApplyKeyToSelection(course, Select(0, 0, 5, 3), kPlus, &history))
        : step == 's' ? history.MarkSaved()
        : step == 'u' ? void(history.Undo(course))
        : step == 'r' ? void(history.Redo(course)) : history.Clear();
        EXPECT_EQ(history.IsAtSavedState(), saved[n] == '1') << "after step " << n << ", " << step;
    }
}

TEST(EditHistory, AKeyOverABlockTakesAFewBytesARowAndStepsStayWithinTheBudgetOldestGoingFirst)
{
    CHeightField course;
    course.Create(200, 100);
    CEditHistory large;
    ApplyKeyToSelection(course, Select(20, 0, 379, 199), kPlus, &large);  // 180 x 100 cells
    EXPECT_LE(large.GetMemoryUse(), 10u * 100);

    // One corner a key: 4 bytes a step, so 10 fit in 40; the 11th and 12th push out the 1st and 2nd.
    CEditHistory history(40);
    for (int j = 0; j < 24; j += 2)
        ApplyKeyToSelection(course, Select(j, 198, j, 198), kPlus, &history);  // corner[3] of cell (j / 2, 0)
    for (int undone = 0; undone < 10; ++undone)
        ASSERT_TRUE(history.Undo(course)) << undone;
    EXPECT_EQ(std::vector<int>({course.GetCell(0, 0).corner[3], course.GetCell(1, 0).corner[3],
                                course.GetCell(2, 0).corner[3]}), std::vector<int>({4, 4, 0}));
    EXPECT_FALSE(history.Undo(course));
    // A step larger than the whole budget is not kept, nor anything before it: types set apart on each cell.
    for (int x = 0; x < 20; ++x)
        course.GetCell(x, 99).type = static_cast<std::int16_t>(1 + x % 8);
    history.MarkSaved();
    ASSERT_TRUE(ApplyKeyToSelection(course, Select(0, 0, 39, 1), kHole, &history));
    EXPECT_FALSE(history.CanUndo() || history.CanRedo() || history.IsAtSavedState());
    EXPECT_EQ(history.GetMemoryUse(), 0u);
}
