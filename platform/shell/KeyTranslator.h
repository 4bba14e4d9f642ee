#pragma once

#include "platform/keys/KeyMessage.h"

#include <set>

class wxKeyEvent;

// Turns the toolkit's key events into the key messages our views read. One
// translator per window: it remembers which keys are down so that a key-down
// without a key-up in between is marked as an auto-repeat.
class CKeyTranslator {
public:
    KeyMessage OnKeyDown(const wxKeyEvent& event);
    void OnKeyUp(const wxKeyEvent& event);

    // The toolkit-free core, for tests: an X11 hardware keycode, the toolkit's
    // key code (WXK_* or a character), and the Shift state.
    KeyMessage Translate(unsigned hardwareKeycode, int toolkitKey, bool shift);
    void Release(unsigned hardwareKeycode);

    // Forgets every held key. Call it when the window loses the keyboard:
    // the key-ups then go elsewhere, and a key pressed again after coming
    // back must not read as an auto-repeat.
    void Reset() { m_down.clear(); }

private:
    std::set<unsigned> m_down;
};
