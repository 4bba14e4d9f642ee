#include "editor/KeyEdit.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "editor/GridSelection.h"
#include "platform/VirtualKey.h"

#include <gtest/gtest.h>

#include <tuple>

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
    auto h = [](int v) { return static_cast<std::int16_t>(v); };
    return HeightCell{h(type), {h(c0), h(c1), h(c2), h(c3)}, 0};
}

TEST(KeyTable, EachKeyChangesOnlyWhatItStandsForWithItsFlagsWord)
{
    struct Case {
        const char* name;
        KeyMessage key;
        int type;    // expected type of a Floor cell afterwards
        int height;  // expected corner[2], from 50
    };
    const Case cases[] = {
        {"1", Key(0x31, 2), 1, 50}, {"2", Key(0x32, 3), 2, 50}, {"3", Key(0x33, 4), 3, 50},
        {"4", Key(0x34, 5), 4, 50}, {"5", Key(0x35, 6), 5, 50}, {"6", Key(0x36, 7), 6, 50},
        {"7", Key(0x37, 8), 7, 50}, {"8", Key(0x38, 9), 8, 50},
        {"keypad *", kKeypadTimes, 1, 51}, {"keypad +", kKeypadPlus, 1, 54},
        {"keypad -", kKeypadMinus, 1, 46}, {"keypad /", kKeypadSlash, 1, 49},
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeightCell cell = Cell(1, 10, 20, 50, 30);
        ApplyKeyToCorner(cell, 2, c.key);
        EXPECT_EQ(cell.type, c.type);
        // Only the selected corner changes.
        EXPECT_EQ(cell.corner[2], c.height);
        EXPECT_EQ(cell.corner[0], 10);
        EXPECT_EQ(cell.corner[1], 20);
        EXPECT_EQ(cell.corner[3], 30);
    }
}

TEST(KeyTable, EveryKeyedCornerIsClampedToZeroToNinetyNine)
{
    HeightCell cell = Cell(1, 97, 2, 0, 99);
    const std::tuple<int, KeyMessage, int> steps[] = {
        {0, kKeypadPlus, 99}, {1, kKeypadMinus, 0}, {2, kKeypadSlash, 0}, {3, kKeypadTimes, 99}};
    for (const auto& [corner, key, height] : steps) {
        ApplyKeyToCorner(cell, corner, key);
        EXPECT_EQ(cell.corner[corner], height) << "corner " << corner;
    }
    // Out-of-range heights come into range at any key, without wrapping at
    // the 16-bit limit.
    for (const KeyMessage& key : {kKeypadPlus, kKeypadMinus, Key(0x31, 2), Key(0, 0), Key(VK_SHIFT, 0x2A)}) {
        HeightCell far = Cell(1, 150, -7, 32767, -32768);
        for (int corner = 0; corner < 4; ++corner)
            ApplyKeyToCorner(far, corner, key);
        EXPECT_EQ(far.corner[0], 99);
        EXPECT_EQ(far.corner[1], 0);
        EXPECT_EQ(far.corner[2], 99);
        EXPECT_EQ(far.corner[3], 0);
    }
}

class KeyOnCourse : public ::testing::Test {
protected:
    void SetUp() override { course.Create(3, 2); }

    bool Press(const KeyMessage& key) { return ApplyKeyToSelection(course, selection, key); }

    CHeightField course;
    CGridSelection selection;
};

TEST_F(KeyOnCourse, TheWorkedExampleChangesTheSelectedCornersAndTheirCellsOnly)
{
    EXPECT_FALSE(Press(kKeypadPlus)) << "no selection yet";
    selection.OnPress({10, 60});
    selection.OnRelease({60, 90});
    // Only a real change counts: a change is worth saving.
    EXPECT_FALSE(Press(Key(VK_ESCAPE, 1)));
    EXPECT_FALSE(Press(Key(VK_ADD, 0x4E | kKeyRepeatFlag)));
    EXPECT_FALSE(Press(Key(0x31, 2))) << "already Floor";
    EXPECT_FALSE(Press(kKeypadMinus)) << "already at 0";
    EXPECT_TRUE(Press(kKeypadPlus));
    EXPECT_TRUE(Press(Key(0x34, 5)));
    const int expected[3][4] = {{4, 4, 4, 4}, {4, 0, 0, 4}, {0, 0, 0, 0}};
    for (int x = 0; x < 3; ++x) {
        EXPECT_EQ(course.GetCell(x, 0).type, x < 2 ? Finish : Floor) << x;
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(course.GetCell(x, 0).corner[k], expected[x][k]) << "lower row cell " << x;
            EXPECT_EQ(course.GetCell(x, 1).corner[k], 0) << "upper row cell " << x;
        }
        EXPECT_EQ(course.GetCell(x, 1).type, Floor);
    }

    HeightCell cell = course.GetCell(0, 0);
    cell.corner[0] = 150;
    course.SetCell(0, 0, cell);
    EXPECT_TRUE(Press(Key(VK_ESCAPE, 1))) << "the clamp changed the course";
    EXPECT_EQ(course.GetCell(0, 0).corner[0], 99);
}

TEST_F(KeyOnCourse, ASelectionKeptFromALargerCourseStaysInsideASmallerOne)
{
    selection.OnPress({0, 0});
    selection.OnRelease({5000, 5000});
    course.Create(2, 1);
    EXPECT_TRUE(Press(kKeypadPlus));
    for (int x = 0; x < 2; ++x) {
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(course.GetCell(x, 0).corner[k], 4);
    }
    course.Create(0, 0);
    EXPECT_FALSE(Press(kKeypadPlus));
}

}  // namespace
