// X hardware keycodes of a pc105 keyboard (the kernel's key codes plus 8)
// turned into the PC key codes and flags words the views' key tables read.

#include "platform/shell/KeyTranslator.h"
#include "platform/keys/VirtualKey.h"

#include <gtest/gtest.h>
#include <wx/event.h>

TEST(KeyTranslator, GivesThePcKeyCodeAndScanCode)
{
    const unsigned cases[][4] = {
        // Main-row digits by position, shifted or not.
        {10, '1', '1', 0x02}, {10, '!', '1', 0x02}, {18, '9', '9', 0x0A}, {19, '0', '0', 0x0B},
        // The keypad's operators and digit 5 without Num Lock; the arrows and Home.
        {63, WXK_NUMPAD_MULTIPLY, VK_MULTIPLY, 0x37}, {86, WXK_NUMPAD_ADD, VK_ADD, 0x4E},
        {82, WXK_NUMPAD_SUBTRACT, VK_SUBTRACT, 0x4A}, {106, WXK_NUMPAD_DIVIDE, VK_DIVIDE, 0x135},
        {84, WXK_NUMPAD_BEGIN, VK_CLEAR, 0x4C}, {80, WXK_NUMPAD_UP, VK_UP, 0x48}, {111, WXK_UP, VK_UP, 0x148},
        {110, WXK_HOME, VK_HOME, 0x147}, {77, WXK_NUMLOCK, VK_NUMLOCK, 0x145}, {9, WXK_ESCAPE, VK_ESCAPE, 0x01},
        {65, WXK_SPACE, VK_SPACE, 0x39}, {38, 0x0444, 'A', 0x1E},
    };
    for (const auto& c : cases) {
        CKeyTranslator translator;
        const KeyMessage m = translator.Translate(c[0], static_cast<int>(c[1]), false);
        EXPECT_TRUE(m.key == c[2] && m.flags == c[3] && m.repeat == 1u) << c[0] << " gave " << m.key << ", " << m.flags;
    }
}

// A key pressed again without a release is an auto-repeat; each key repeats
// on its own, Reset forgets every held key, and an event without a keycode
// is never a repeat. Events give their keycode, key and Shift.
TEST(KeyTranslator, MarksAutoRepeatsByKey)
{
    CKeyTranslator t;
    const unsigned r = kKeyRepeatFlag;
    EXPECT_EQ(t.Translate(86, WXK_NUMPAD_ADD, false).flags, 0x4Eu);
    EXPECT_EQ(t.Translate(86, WXK_NUMPAD_ADD, false).flags, 0x4Eu | r);
    EXPECT_EQ(t.Translate(82, WXK_NUMPAD_SUBTRACT, false).flags, 0x4Au);
    t.Release(82);
    EXPECT_EQ(t.Translate(82, WXK_NUMPAD_SUBTRACT, false).flags, 0x4Au);
    t.Reset();
    EXPECT_EQ(t.Translate(86, WXK_NUMPAD_ADD, false).flags, 0x4Eu);
    EXPECT_EQ(t.Translate(0, WXK_NUMPAD_ADD, false).flags | t.Translate(0, WXK_NUMPAD_ADD, false).flags, 0u);
    wxKeyEvent down(wxEVT_KEY_DOWN), up(wxEVT_KEY_UP);
    down.m_rawFlags = up.m_rawFlags = 106;
    down.m_keyCode = WXK_NUMPAD_DIVIDE;
    down.SetShiftDown(true);
    const KeyMessage m = t.OnKeyDown(down);
    t.OnKeyUp(up);
    EXPECT_TRUE(m.key == VK_DIVIDE && m.flags == 0x135u && m.shift && t.OnKeyDown(down).flags == 0x135u);
}
