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

// The rest of the PC key codes that the key translation produces, so that
// accelerators and future key tables can name every ordinary key.
constexpr unsigned VK_BACK = 0x08;
constexpr unsigned VK_TAB = 0x09;
constexpr unsigned VK_RETURN = 0x0D;
constexpr unsigned VK_CONTROL = 0x11;
constexpr unsigned VK_MENU = 0x12;      // Alt
constexpr unsigned VK_PAUSE = 0x13;
constexpr unsigned VK_CAPITAL = 0x14;   // Caps Lock
constexpr unsigned VK_PRIOR = 0x21;     // Page Up
constexpr unsigned VK_NEXT = 0x22;      // Page Down
constexpr unsigned VK_END = 0x23;
constexpr unsigned VK_SNAPSHOT = 0x2C;  // Print Screen
constexpr unsigned VK_INSERT = 0x2D;
constexpr unsigned VK_DELETE = 0x2E;
constexpr unsigned VK_A = 0x41;         // letters are their upper-case ASCII codes, 0x41..0x5A
constexpr unsigned VK_LWIN = 0x5B;
constexpr unsigned VK_RWIN = 0x5C;
constexpr unsigned VK_APPS = 0x5D;
constexpr unsigned VK_SEPARATOR = 0x6C;
constexpr unsigned VK_F1 = 0x70;        // F1..F24 are 0x70..0x87
constexpr unsigned VK_NUMLOCK = 0x90;
constexpr unsigned VK_SCROLL = 0x91;

// Bits of a key message's flags word.
constexpr unsigned kKeyScanCodeMask = 0x00FF;
constexpr unsigned kKeyExtendedFlag = 0x0100;
constexpr unsigned kKeyRepeatFlag = 0x4000;  // key was already down
