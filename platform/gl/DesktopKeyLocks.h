#pragma once

#include "platform/gl/KeyLocks.h"

// The lock keys of the desktop's keyboard, read from the X server's
// keyboard indicators ("Caps Lock", "Num Lock", "Scroll Lock"). Elsewhere
// (no X11 display) every lock reads as off.
class CDesktopKeyLocks : public CKeyLocks {
public:
    KeyLockStates Read() override;

    static CDesktopKeyLocks& Instance();

private:
    // Indicator bits of the three locks, looked up once per display.
    bool m_looked = false;
    void* m_display = nullptr;
    unsigned long m_capsBit = 0;
    unsigned long m_numBit = 0;
    unsigned long m_scrollBit = 0;
};
