#pragma once

// The key codes our views act on. They keep the values of the PC key codes
// the course editor's and the game's key tables were written for, so that a
// key message reads the same on every desktop.
constexpr unsigned VK_CLEAR = 0x0C;     // keypad 5 with Num Lock off
constexpr unsigned VK_SHIFT = 0x10;
constexpr unsigned VK_ESCAPE = 0x1B;
constexpr unsigned VK_SPACE = 0x20;
constexpr unsigned VK_HOME = 0x24;
constexpr unsigned VK_LEFT = 0x25;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_DOWN = 0x28;
constexpr unsigned VK_0 = 0x30;         // main-row digits are 0x30..0x39
constexpr unsigned VK_NUMPAD0 = 0x60;   // keypad digits with Num Lock on, 0x60..0x69
constexpr unsigned VK_MULTIPLY = 0x6A;
constexpr unsigned VK_ADD = 0x6B;
constexpr unsigned VK_SUBTRACT = 0x6D;
constexpr unsigned VK_DECIMAL = 0x6E;
constexpr unsigned VK_DIVIDE = 0x6F;

// Bits of a key message's flags word.
constexpr unsigned kKeyScanCodeMask = 0x00FF;
constexpr unsigned kKeyExtendedFlag = 0x0100;
constexpr unsigned kKeyRepeatFlag = 0x4000;  // key was already down
