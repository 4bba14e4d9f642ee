#include "platform/gl/DesktopKeyLocks.h"

#include <wx/app.h>
#include <wx/utils.h>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace {

// The bit of the named indicator in the indicator state, 0 when the
// keyboard has no such indicator.
unsigned long IndicatorBit(Display* display, const char* name)
{
    const Atom atom = XInternAtom(display, name, True);
    if (atom == None)
        return 0;
    int index = -1;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, &index, &on, nullptr, nullptr) || index < 0 || index >= 32)
        return 0;
    return 1ul << index;
}

} // namespace

KeyLockStates CDesktopKeyLocks::Read()
{
    KeyLockStates states;
    if (!wxTheApp)
        return states;
    const wxDisplayInfo info = wxGetDisplayInfo();
    if (info.type != wxDisplayX11 || info.dpy == nullptr)
        return states;
    auto* display = static_cast<Display*>(info.dpy);
    if (!m_looked || m_display != info.dpy) {
        m_capsBit = IndicatorBit(display, "Caps Lock");
        m_numBit = IndicatorBit(display, "Num Lock");
        m_scrollBit = IndicatorBit(display, "Scroll Lock");
        m_display = info.dpy;
        m_looked = true;
    }
    // One round trip for all three.
    unsigned int lit = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &lit) != Success)
        return states;
    states.caps = (lit & m_capsBit) != 0;
    states.num = (lit & m_numBit) != 0;
    states.scroll = (lit & m_scrollBit) != 0;
    return states;
}

CDesktopKeyLocks& CDesktopKeyLocks::Instance()
{
    static CDesktopKeyLocks locks;
    return locks;
}
