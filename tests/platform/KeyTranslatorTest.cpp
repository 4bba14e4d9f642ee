#include "platform/KeyTranslator.h"
#include "platform/VirtualKey.h"

#include <gtest/gtest.h>
#include <wx/defs.h>
#include <wx/event.h>

#include <iterator>

namespace {

// X hardware keycodes of a pc105 keyboard under the evdev rules: the kernel
// key code plus 8.
struct KeyCase {
    const char* name;
    unsigned hardwareKeycode;
    int toolkitKey;
    unsigned key;
    unsigned flags;
};

const KeyCase kKeyCases[] = {
    // Main-row digits: the editor's cell-type keys need exactly these flags.
    {"1", 10, '1', 0x31, 2},
    {"2", 11, '2', 0x32, 3},
    {"3", 12, '3', 0x33, 4},
    {"4", 13, '4', 0x34, 5},
    {"5", 14, '5', 0x35, 6},
    {"6", 15, '6', 0x36, 7},
    {"7", 16, '7', 0x37, 8},
    {"8", 17, '8', 0x38, 9},
    {"9", 18, '9', 0x39, 0x0A},
    {"0", 19, '0', 0x30, 0x0B},
    // Shifted digits are the same key at the same position.
    {"Shift+1 reported as !", 10, '!', 0x31, 2},
    // Keypad operators: the editor's height keys.
    {"keypad *", 63, WXK_NUMPAD_MULTIPLY, VK_MULTIPLY, 0x37},
    {"keypad +", 86, WXK_NUMPAD_ADD, VK_ADD, 0x4E},
    {"keypad -", 82, WXK_NUMPAD_SUBTRACT, VK_SUBTRACT, 0x4A},
    {"keypad /", 106, WXK_NUMPAD_DIVIDE, VK_DIVIDE, 0x135},
    // Keypad digits with Num Lock on are distinct from the main row.
    {"keypad 1 with Num Lock", 87, WXK_NUMPAD1, VK_NUMPAD0 + 1, 0x4F},
    {"keypad 8 with Num Lock", 80, WXK_NUMPAD8, VK_NUMPAD0 + 8, 0x48},
    {"keypad 0 with Num Lock", 90, WXK_NUMPAD0, VK_NUMPAD0, 0x52},
    // Without Num Lock the keypad is navigation, told from the arrow block
    // by the missing extended bit.
    {"keypad 5 without Num Lock", 84, WXK_NUMPAD_BEGIN, VK_CLEAR, 0x4C},
    {"keypad 7 without Num Lock", 79, WXK_NUMPAD_HOME, VK_HOME, 0x47},
    {"keypad 8 without Num Lock", 80, WXK_NUMPAD_UP, VK_UP, 0x48},
    {"keypad Enter", 104, WXK_NUMPAD_ENTER, VK_RETURN, 0x11C},
    // The navigation block: extended keys.
    {"Home", 110, WXK_HOME, VK_HOME, 0x147},
    {"Up", 111, WXK_UP, VK_UP, 0x148},
    {"Left", 113, WXK_LEFT, VK_LEFT, 0x14B},
    {"Right", 114, WXK_RIGHT, VK_RIGHT, 0x14D},
    {"Down", 116, WXK_DOWN, VK_DOWN, 0x150},
    {"Insert", 118, WXK_INSERT, VK_INSERT, 0x152},
    {"Delete", 119, WXK_DELETE, VK_DELETE, 0x153},
    {"right Ctrl", 105, WXK_CONTROL, VK_CONTROL, 0x11D},
    {"left Ctrl", 37, WXK_CONTROL, VK_CONTROL, 0x1D},
    // Everyday keys.
    {"Escape", 9, WXK_ESCAPE, VK_ESCAPE, 0x01},
    {"Space", 65, WXK_SPACE, VK_SPACE, 0x39},
    {"Backspace", 22, WXK_BACK, VK_BACK, 0x0E},
    {"F6", 72, WXK_F6, VK_F1 + 5, 0x40},
    {"Num Lock", 77, WXK_NUMLOCK, VK_NUMLOCK, 0x145},
    {"letter a", 38, 'A', 'A', 0x1E},
    {"letter on a non-Latin layout", 38, 0x0444, 'A', 0x1E},
};

class KeyCaseTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyCaseTest, GivesThePcKeyCodeAndScanCode)
{
    const KeyCase& c = GetParam();
    CKeyTranslator translator;
    const KeyMessage message = translator.Translate(c.hardwareKeycode, c.toolkitKey, false);
    EXPECT_EQ(message.key, c.key) << c.name;
    EXPECT_EQ(message.flags, c.flags) << c.name;
    EXPECT_EQ(message.repeat, 1u) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyCaseTest, ::testing::ValuesIn(kKeyCases));

// A key pressed again without a release in between is an auto-repeat; each
// key repeats on its own, Reset forgets every held key, and an event
// without a hardware keycode is never a repeat.
TEST(KeyTranslatorRepeat, FollowsEachKeysPressesAndReleases)
{
    enum Op { Press, Release, Reset };
    constexpr unsigned kPlus = 86, kMinus = 82, kRepeat = kKeyRepeatFlag;
    const struct {
        Op op;
        unsigned keycode;
        int toolkitKey;
        unsigned flags;
    } script[] = {
        {Press, kPlus, WXK_NUMPAD_ADD, 0x4E},
        {Press, kPlus, WXK_NUMPAD_ADD, 0x4E | kRepeat},
        {Press, kPlus, WXK_NUMPAD_ADD, 0x4E | kRepeat},
        {Release, kPlus, 0, 0},
        {Press, kPlus, WXK_NUMPAD_ADD, 0x4E},
        // Keys held together.
        {Press, kMinus, WXK_NUMPAD_SUBTRACT, 0x4A},
        {Release, kMinus, 0, 0},
        {Press, kPlus, WXK_NUMPAD_ADD, 0x4E | kRepeat},
        {Press, kMinus, WXK_NUMPAD_SUBTRACT, 0x4A},
        // Reset forgets keys released while the window was away.
        {Reset, 0, 0, 0},
        {Press, kPlus, WXK_NUMPAD_ADD, 0x4E},
        // No hardware keycode.
        {Press, 0, WXK_NUMPAD_ADD, 0},
        {Press, 0, WXK_NUMPAD_ADD, 0},
    };
    CKeyTranslator translator;
    for (std::size_t step = 0; step < std::size(script); ++step) {
        SCOPED_TRACE(step);
        const auto& s = script[step];
        if (s.op == Release)
            translator.Release(s.keycode);
        else if (s.op == Reset)
            translator.Reset();
        else
            EXPECT_EQ(translator.Translate(s.keycode, s.toolkitKey, false).flags, s.flags);
    }
    EXPECT_EQ(translator.Translate(0, WXK_NUMPAD_ADD, false).key, static_cast<unsigned>(VK_ADD));
}

TEST(KeyTranslatorEvents, ReadsKeycodeKeyAndShiftFromTheToolkitEvent)
{
    CKeyTranslator translator;
    wxKeyEvent down(wxEVT_KEY_DOWN);
    down.m_rawFlags = 106;
    down.m_keyCode = WXK_NUMPAD_DIVIDE;
    down.SetShiftDown(true);
    KeyMessage message = translator.OnKeyDown(down);
    EXPECT_EQ(message.key, VK_DIVIDE);
    EXPECT_EQ(message.flags, 0x135u);
    EXPECT_TRUE(message.shift);
    EXPECT_EQ(translator.OnKeyDown(down).flags, 0x135u | kKeyRepeatFlag);

    wxKeyEvent up(wxEVT_KEY_UP);
    up.m_rawFlags = 106;
    up.m_keyCode = WXK_NUMPAD_DIVIDE;
    translator.OnKeyUp(up);
    down.SetShiftDown(false);
    message = translator.OnKeyDown(down);
    EXPECT_EQ(message.flags, 0x135u);
    EXPECT_FALSE(message.shift);
}

}  // namespace
