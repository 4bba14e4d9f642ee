#include "editor/core/KeyEdit.h"

#include "platform/keys/VirtualKey.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

TEST(KeyTable, EachKeyActsOnlyWithItsOwnFlagsWord)
{
    // The key code and flags word a PC keyboard sends, on corner[2] (at 50) of a Floor cell: the type and corner after.
    const std::tuple<unsigned, unsigned, int, int> cases[] = {
        {'1', 2, 1, 50}, {'2', 3, 2, 50}, {'3', 4, 3, 50}, {'4', 5, 4, 50}, {'5', 6, 5, 50}, {'6', 7, 6, 50},
        {'7', 8, 7, 50}, {'8', 9, 8, 50}, {VK_MULTIPLY, 0x37, 1, 51}, {VK_ADD, 0x4E, 1, 54},
        {VK_SUBTRACT, 0x4A, 1, 46}, {VK_DIVIDE, 0x135, 1, 49},
        // Other keys (main-row 9, keypad 2), and keys with another scan code, extended bit or released bit.
        {'9', 0x0A, 1, 50}, {VK_NUMPAD0 + 2, 0x50, 1, 50}, {'2', 0x50, 1, 50}, {VK_DIVIDE, 0x35, 1, 50},
        {VK_MULTIPLY, 0x137, 1, 50}, {VK_ADD, 0x4E | 0x8000, 1, 50}};
    for (const auto& [key, flags, type, height] : cases) {
        HeightCell cell{1, {10, 20, 50, 30}, 0};
        ApplyKeyToCorner(cell, 2, KeyMessage{key, 1, flags, false});
        EXPECT_EQ(std::pair(int{cell.type}, int{cell.corner[2]}), std::pair(type, height))
            << std::hex << "key " << key << ", flags " << flags;
    }
}
