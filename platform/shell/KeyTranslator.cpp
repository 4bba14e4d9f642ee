#include "platform/shell/KeyTranslator.h"

#include "platform/keys/VirtualKey.h"

#include <wx/defs.h>
#include <wx/event.h>

namespace {

// X servers number keys as the Linux kernel does plus 8.
constexpr unsigned kXKeycodeOffset = 8;

// Kernel key codes 1..88 are the PC's set-1 scan codes themselves.
constexpr unsigned kLastPlainScanKeycode = 88;

// Kernel key codes of the keys that sent a 0xE0 prefix on the PC; the
// extended-key bit marks them in the flags word.
struct ExtendedKey {
    unsigned kernelKeycode;
    unsigned scanWord;
};
constexpr ExtendedKey kExtendedKeys[] = {
    {96, 0x11C},   // keypad Enter
    {97, 0x11D},   // right Ctrl
    {98, 0x135},   // keypad /
    {99, 0x137},   // Print Screen
    {100, 0x138},  // right Alt
    {102, 0x147},  // Home
    {103, 0x148},  // Up
    {104, 0x149},  // Page Up
    {105, 0x14B},  // Left
    {106, 0x14D},  // Right
    {107, 0x14F},  // End
    {108, 0x150},  // Down
    {109, 0x151},  // Page Down
    {110, 0x152},  // Insert
    {111, 0x153},  // Delete
    {119, 0x045},  // Pause (its own odd sequence, reported without the bit)
    {125, 0x15B},  // left Windows key
    {126, 0x15C},  // right Windows key
    {127, 0x15D},  // Menu key
};

constexpr unsigned kKernelNumLock = 69;  // reported as extended on the PC

// Main-row digits by position: scan codes 0x02..0x0A are 1..9, 0x0B is 0.
// The position decides, not the character, so Shift+1 is still the key 1.
constexpr unsigned kScanDigit1 = 0x02;
constexpr unsigned kScanDigit0 = 0x0B;

// Letters by position on the US layout, for layouts whose letters the
// toolkit reports as non-ASCII characters.
struct ScanLetter {
    unsigned scan;
    char letter;
};
constexpr ScanLetter kScanLetters[] = {
    {0x10, 'Q'}, {0x11, 'W'}, {0x12, 'E'}, {0x13, 'R'}, {0x14, 'T'}, {0x15, 'Y'}, {0x16, 'U'},
    {0x17, 'I'}, {0x18, 'O'}, {0x19, 'P'}, {0x1E, 'A'}, {0x1F, 'S'}, {0x20, 'D'}, {0x21, 'F'},
    {0x22, 'G'}, {0x23, 'H'}, {0x24, 'J'}, {0x25, 'K'}, {0x26, 'L'}, {0x2C, 'Z'}, {0x2D, 'X'},
    {0x2E, 'C'}, {0x2F, 'V'}, {0x30, 'B'}, {0x31, 'N'}, {0x32, 'M'},
};

// The scan code word (scan code plus extended bit) of an X hardware keycode;
// 0 for keys the PC keyboard does not have.
unsigned ScanWordFor(unsigned hardwareKeycode)
{
    if (hardwareKeycode <= kXKeycodeOffset)
        return 0;
    const unsigned kernel = hardwareKeycode - kXKeycodeOffset;
    if (kernel == kKernelNumLock)
        return kKeyExtendedFlag | kernel;
    if (kernel <= kLastPlainScanKeycode)
        return kernel;
    for (const ExtendedKey& key : kExtendedKeys) {
        if (key.kernelKeycode == kernel)
            return key.scanWord;
    }
    return 0;
}

// Toolkit key codes that name a PC key directly.
unsigned VirtualKeyForToolkitKey(int toolkitKey)
{
    switch (toolkitKey) {
    case WXK_BACK: return VK_BACK;
    case WXK_TAB: return VK_TAB;
    case WXK_RETURN: return VK_RETURN;
    case WXK_ESCAPE: return VK_ESCAPE;
    case WXK_SPACE: return VK_SPACE;
    case WXK_DELETE: return VK_DELETE;
    case WXK_CLEAR: return VK_CLEAR;
    case WXK_SHIFT: return VK_SHIFT;
    case WXK_ALT: return VK_MENU;
    case WXK_CONTROL: return VK_CONTROL;
    case WXK_MENU: return VK_APPS;
    case WXK_PAUSE: return VK_PAUSE;
    case WXK_CAPITAL: return VK_CAPITAL;
    case WXK_END: return VK_END;
    case WXK_HOME: return VK_HOME;
    case WXK_LEFT: return VK_LEFT;
    case WXK_UP: return VK_UP;
    case WXK_RIGHT: return VK_RIGHT;
    case WXK_DOWN: return VK_DOWN;
    case WXK_SNAPSHOT: return VK_SNAPSHOT;
    case WXK_INSERT: return VK_INSERT;
    case WXK_MULTIPLY: return VK_MULTIPLY;
    case WXK_ADD: return VK_ADD;
    case WXK_SEPARATOR: return VK_SEPARATOR;
    case WXK_SUBTRACT: return VK_SUBTRACT;
    case WXK_DECIMAL: return VK_DECIMAL;
    case WXK_DIVIDE: return VK_DIVIDE;
    case WXK_NUMLOCK: return VK_NUMLOCK;
    case WXK_SCROLL: return VK_SCROLL;
    case WXK_PAGEUP: return VK_PRIOR;
    case WXK_PAGEDOWN: return VK_NEXT;
    case WXK_WINDOWS_LEFT: return VK_LWIN;
    case WXK_WINDOWS_RIGHT: return VK_RWIN;
    case WXK_WINDOWS_MENU: return VK_APPS;

    // The keypad: with Num Lock on its digits, with it off the navigation
    // keys they are printed with (and 5 becomes Clear).
    case WXK_NUMPAD_SPACE: return VK_SPACE;
    case WXK_NUMPAD_TAB: return VK_TAB;
    case WXK_NUMPAD_ENTER: return VK_RETURN;
    case WXK_NUMPAD_HOME: return VK_HOME;
    case WXK_NUMPAD_LEFT: return VK_LEFT;
    case WXK_NUMPAD_UP: return VK_UP;
    case WXK_NUMPAD_RIGHT: return VK_RIGHT;
    case WXK_NUMPAD_DOWN: return VK_DOWN;
    case WXK_NUMPAD_PAGEUP: return VK_PRIOR;
    case WXK_NUMPAD_PAGEDOWN: return VK_NEXT;
    case WXK_NUMPAD_END: return VK_END;
    case WXK_NUMPAD_BEGIN: return VK_CLEAR;
    case WXK_NUMPAD_INSERT: return VK_INSERT;
    case WXK_NUMPAD_DELETE: return VK_DELETE;
    case WXK_NUMPAD_MULTIPLY: return VK_MULTIPLY;
    case WXK_NUMPAD_ADD: return VK_ADD;
    case WXK_NUMPAD_SEPARATOR: return VK_SEPARATOR;
    case WXK_NUMPAD_SUBTRACT: return VK_SUBTRACT;
    case WXK_NUMPAD_DECIMAL: return VK_DECIMAL;
    case WXK_NUMPAD_DIVIDE: return VK_DIVIDE;
    default: break;
    }
    if (toolkitKey >= WXK_NUMPAD0 && toolkitKey <= WXK_NUMPAD9)
        return VK_NUMPAD0 + static_cast<unsigned>(toolkitKey - WXK_NUMPAD0);
    if (toolkitKey >= WXK_F1 && toolkitKey <= WXK_F24)
        return VK_F1 + static_cast<unsigned>(toolkitKey - WXK_F1);
    if (toolkitKey >= WXK_NUMPAD_F1 && toolkitKey <= WXK_NUMPAD_F4)
        return VK_F1 + static_cast<unsigned>(toolkitKey - WXK_NUMPAD_F1);
    if (toolkitKey >= 'a' && toolkitKey <= 'z')
        return static_cast<unsigned>(toolkitKey - 'a' + 'A');
    if ((toolkitKey >= 'A' && toolkitKey <= 'Z') || (toolkitKey >= '0' && toolkitKey <= '9'))
        return static_cast<unsigned>(toolkitKey);
    return 0;
}

unsigned VirtualKeyFor(unsigned scanWord, int toolkitKey)
{
    if (scanWord >= kScanDigit1 && scanWord <= kScanDigit0)
        return scanWord == kScanDigit0 ? VK_0 : VK_0 + (scanWord - kScanDigit1 + 1);
    const unsigned vk = VirtualKeyForToolkitKey(toolkitKey);
    if (vk != 0)
        return vk;
    for (const ScanLetter& key : kScanLetters) {
        if (key.scan == scanWord)
            return static_cast<unsigned>(key.letter);
    }
    return 0;
}

}  // namespace

KeyMessage CKeyTranslator::OnKeyDown(const wxKeyEvent& event)
{
    // On this toolkit the raw flags of a key event are the X hardware keycode.
    return Translate(event.GetRawKeyFlags(), event.GetKeyCode(), event.ShiftDown());
}

void CKeyTranslator::OnKeyUp(const wxKeyEvent& event)
{
    Release(event.GetRawKeyFlags());
}

KeyMessage CKeyTranslator::Translate(unsigned hardwareKeycode, int toolkitKey, bool shift)
{
    KeyMessage message;
    const unsigned scanWord = ScanWordFor(hardwareKeycode);
    message.key = VirtualKeyFor(scanWord, toolkitKey);
    message.repeat = 1;
    message.flags = scanWord;
    message.shift = shift;
    // The X server repeats a held key as presses without releases, so a
    // second press before the release is an auto-repeat. Synthetic events
    // without a keycode cannot be told apart and count as fresh presses.
    if (hardwareKeycode != 0 && !m_down.insert(hardwareKeycode).second)
        message.flags |= kKeyRepeatFlag;
    return message;
}

void CKeyTranslator::Release(unsigned hardwareKeycode)
{
    m_down.erase(hardwareKeycode);
}
