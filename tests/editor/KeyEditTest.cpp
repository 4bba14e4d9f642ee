#include "editor/KeyEdit.h"

#include "platform/VirtualKey.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

// A key message as a PC keyboard sends it: key code and flags word.
KeyMessage Key(unsigned key, unsigned flags)
{
    KeyMessage message;
    message.key = key;
    message.flags = flags;
    return message;
}

TEST(KeyTable, EachKeyActsOnlyWithItsOwnFlagsWord)
{
    // A key on corner[2], at 50, of a Floor cell: the type and corner[2] after it.
    const std::tuple<KeyMessage, int, int> cases[] = {
        {Key('1', 2), 1, 50}, {Key('2', 3), 2, 50}, {Key('3', 4), 3, 50}, {Key('4', 5), 4, 50},
        {Key('5', 6), 5, 50}, {Key('6', 7), 6, 50}, {Key('7', 8), 7, 50}, {Key('8', 9), 8, 50},
        {Key(VK_MULTIPLY, 0x37), 1, 51}, {Key(VK_ADD, 0x4E), 1, 54}, {Key(VK_SUBTRACT, 0x4A), 1, 46},
        {Key(VK_DIVIDE, 0x135), 1, 49},
        // Other keys, and these keys with another flags word: main-row 9,
        // keypad 2 with Num Lock, digit 2 with the keypad's scan code, keypad
        // / without and * with the extended bit, + with the released bit.
        {Key('9', 0x0A), 1, 50}, {Key(VK_NUMPAD0 + 2, 0x50), 1, 50}, {Key('2', 0x50), 1, 50},
        {Key(VK_DIVIDE, 0x35), 1, 50}, {Key(VK_MULTIPLY, 0x137), 1, 50}, {Key(VK_ADD, 0x4E | 0x8000), 1, 50}};
    for (const auto& [key, type, height] : cases) {
        HeightCell cell{1, {10, 20, 50, 30}, 0};
        ApplyKeyToCorner(cell, 2, key);
        EXPECT_EQ(std::pair(int{cell.type}, int{cell.corner[2]}), std::pair(type, height))
            << std::hex << "key " << key.key << ", flags " << key.flags;
    }
}

}  // namespace
