#include "editor/KeyEdit.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "editor/GridSelection.h"
#include "platform/VirtualKey.h"

#include <gtest/gtest.h>

namespace {

KeyMessage Key(unsigned key, unsigned flags)
{
    KeyMessage message;
    message.key = key;
    message.flags = flags;
    return message;
}

const KeyMessage kKeypadPlus = Key(VK_ADD, 0x4E);
const KeyMessage kKeypadMinus = Key(VK_SUBTRACT, 0x4A);
const KeyMessage kKeypadTimes = Key(VK_MULTIPLY, 0x37);
const KeyMessage kKeypadSlash = Key(VK_DIVIDE, 0x135);

HeightCell Cell(int type, int c0, int c1, int c2, int c3)
{
    return HeightCell{static_cast<std::int16_t>(type),
                      {static_cast<std::int16_t>(c0), static_cast<std::int16_t>(c1),
                       static_cast<std::int16_t>(c2), static_cast<std::int16_t>(c3)},
                      0};
}

struct KeyCase {
    const char* name;
    KeyMessage key;
    int type;     // expected type of a Floor cell afterwards
    int height;   // expected corner[2], from 50
};

const KeyCase kKeyCases[] = {
    {"1", Key(0x31, 2), 1, 50},
    {"2", Key(0x32, 3), 2, 50},
    {"3", Key(0x33, 4), 3, 50},
    {"4", Key(0x34, 5), 4, 50},
    {"5", Key(0x35, 6), 5, 50},
    {"6", Key(0x36, 7), 6, 50},
    {"7", Key(0x37, 8), 7, 50},
    {"8", Key(0x38, 9), 8, 50},
    {"keypad *", kKeypadTimes, 1, 51},
    {"keypad +", kKeypadPlus, 1, 54},
    {"keypad -", kKeypadMinus, 1, 46},
    {"keypad /", kKeypadSlash, 1, 49},
    // Keys outside the table, and table keys with any other flags word.
    {"9", Key(0x39, 0x0A), 1, 50},
    {"0", Key(0x30, 0x0B), 1, 50},
    {"keypad 2 with Num Lock", Key(VK_NUMPAD0 + 2, 0x50), 1, 50},
    {"digit 2 with keypad scan code", Key(0x32, 0x50), 1, 50},
    {"digit 3 auto-repeat", Key(0x33, 0x04 | kKeyRepeatFlag), 1, 50},
    {"keypad + auto-repeat", Key(VK_ADD, 0x4E | kKeyRepeatFlag), 1, 50},
    {"keypad / without extended bit", Key(VK_DIVIDE, 0x35), 1, 50},
    {"keypad * with extended bit", Key(VK_MULTIPLY, 0x137), 1, 50},
    {"keypad + released flag", Key(VK_ADD, 0x4E | 0x8000), 1, 50},
    {"Escape", Key(VK_ESCAPE, 0x01), 1, 50},
};

class KeyTableCase : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTableCase, ChangesOnlyWhatTheKeyStandsFor)
{
    const KeyCase& c = GetParam();
    HeightCell cell = Cell(1, 10, 20, 50, 30);
    ApplyKeyToCorner(cell, 2, c.key);
    EXPECT_EQ(cell.type, c.type) << c.name;
    EXPECT_EQ(cell.corner[2], c.height) << c.name;
    // The other corners are not the selected one and stay.
    EXPECT_EQ(cell.corner[0], 10) << c.name;
    EXPECT_EQ(cell.corner[1], 20) << c.name;
    EXPECT_EQ(cell.corner[3], 30) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyTableCase, ::testing::ValuesIn(kKeyCases));

TEST(KeyTableClamp, KeepsEveryKeyedCornerWithinZeroToNinetyNine)
{
    HeightCell cell = Cell(1, 97, 2, 0, 99);
    ApplyKeyToCorner(cell, 0, kKeypadPlus);
    EXPECT_EQ(cell.corner[0], 99);
    ApplyKeyToCorner(cell, 1, kKeypadMinus);
    EXPECT_EQ(cell.corner[1], 0);
    ApplyKeyToCorner(cell, 2, kKeypadSlash);
    EXPECT_EQ(cell.corner[2], 0);
    ApplyKeyToCorner(cell, 3, kKeypadTimes);
    EXPECT_EQ(cell.corner[3], 99);
}

TEST(KeyTableClamp, BringsOutOfRangeHeightsIntoRangeAtAnyKey)
{
    for (const KeyMessage& key : {kKeypadPlus, kKeypadMinus, Key(0x31, 2), Key(0, 0), Key(VK_SHIFT, 0x2A)}) {
        HeightCell high = Cell(1, 150, 0, 0, 0);
        ApplyKeyToCorner(high, 0, key);
        EXPECT_EQ(high.corner[0], 99);
        HeightCell low = Cell(1, -7, 0, 0, 0);
        ApplyKeyToCorner(low, 0, key);
        EXPECT_EQ(low.corner[0], 0);
    }
}

TEST(KeyTableClamp, DoesNotWrapAtTheSixteenBitLimit)
{
    HeightCell cell = Cell(1, 32767, -32768, 0, 0);
    ApplyKeyToCorner(cell, 0, kKeypadPlus);
    EXPECT_EQ(cell.corner[0], 99);
    ApplyKeyToCorner(cell, 1, kKeypadMinus);
    EXPECT_EQ(cell.corner[1], 0);
}

class KeyOnCourse : public ::testing::Test {
protected:
    void SetUp() override { course.Create(3, 2); }

    void Select(GridPoint from, GridPoint to)
    {
        selection.OnPress(from);
        selection.OnRelease(to);
    }

    CHeightField course;
    CGridSelection selection;
};

TEST_F(KeyOnCourse, WorkedExampleRaisesTheSelectedCornersOnly)
{
    Select({10, 60}, {60, 90});
    EXPECT_TRUE(ApplyKeyToSelection(course, selection, kKeypadPlus));
    const HeightCell& first = course.GetCell(0, 0);
    EXPECT_EQ(first.corner[0], 4);
    EXPECT_EQ(first.corner[1], 4);
    EXPECT_EQ(first.corner[2], 4);
    EXPECT_EQ(first.corner[3], 4);
    const HeightCell& second = course.GetCell(1, 0);
    EXPECT_EQ(second.corner[0], 4);
    EXPECT_EQ(second.corner[1], 0);
    EXPECT_EQ(second.corner[2], 0);
    EXPECT_EQ(second.corner[3], 4);
    for (int x = 0; x < 3; ++x) {
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(course.GetCell(x, 1).corner[k], 0) << "upper row cell " << x;
    }
    EXPECT_EQ(course.GetCell(2, 0).corner[0], 0);
}

TEST_F(KeyOnCourse, DigitSetsTheTypeOfEveryTouchedCell)
{
    Select({10, 60}, {60, 90});
    EXPECT_TRUE(ApplyKeyToSelection(course, selection, Key(0x34, 5)));
    EXPECT_EQ(course.GetCell(0, 0).type, Finish);
    EXPECT_EQ(course.GetCell(1, 0).type, Finish);
    EXPECT_EQ(course.GetCell(2, 0).type, Floor);
    EXPECT_EQ(course.GetCell(0, 1).type, Floor);
}

TEST_F(KeyOnCourse, FourQuartersOfOneCellRaiseItsCornersAndNotTheNeighbours)
{
    Select({55, 5}, {95, 45});  // the whole of screen cell (1, 0), course cell (1, 1)
    EXPECT_TRUE(ApplyKeyToSelection(course, selection, kKeypadTimes));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(course.GetCell(1, 1).corner[k], 1);
        EXPECT_EQ(course.GetCell(0, 1).corner[k], 0);
        EXPECT_EQ(course.GetCell(2, 1).corner[k], 0);
        EXPECT_EQ(course.GetCell(1, 0).corner[k], 0);
    }
}

TEST_F(KeyOnCourse, ReportsNoChangeWhenNothingChanged)
{
    EXPECT_FALSE(ApplyKeyToSelection(course, selection, kKeypadPlus)) << "no selection yet";
    Select({10, 60}, {60, 90});
    EXPECT_FALSE(ApplyKeyToSelection(course, selection, Key(VK_ESCAPE, 1)));
    EXPECT_FALSE(ApplyKeyToSelection(course, selection, Key(VK_ADD, 0x4E | kKeyRepeatFlag)));
    EXPECT_FALSE(ApplyKeyToSelection(course, selection, Key(0x31, 2))) << "already Floor";
    EXPECT_FALSE(ApplyKeyToSelection(course, selection, kKeypadMinus)) << "already at 0";
}

TEST_F(KeyOnCourse, ClampIsAChangeWorthSaving)
{
    HeightCell cell = course.GetCell(0, 0);
    cell.corner[0] = 150;
    course.SetCell(0, 0, cell);
    Select({10, 60}, {60, 90});
    EXPECT_TRUE(ApplyKeyToSelection(course, selection, Key(VK_ESCAPE, 1)));
    EXPECT_EQ(course.GetCell(0, 0).corner[0], 99);
}

TEST_F(KeyOnCourse, SelectionKeptFromALargerCourseStaysInsideASmallerOne)
{
    Select({0, 0}, {5000, 5000});
    course.Create(2, 1);
    EXPECT_TRUE(ApplyKeyToSelection(course, selection, kKeypadPlus));
    for (int x = 0; x < 2; ++x) {
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(course.GetCell(x, 0).corner[k], 4);
    }
    course.Create(0, 0);
    EXPECT_FALSE(ApplyKeyToSelection(course, selection, kKeypadPlus));
}

}  // namespace
