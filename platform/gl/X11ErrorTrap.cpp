#include "platform/gl/X11ErrorTrap.h"

#include <X11/Xlib.h>

CX11ErrorTrap* CX11ErrorTrap::s_innermost = nullptr;

namespace {

using ErrorHandler = int (*)(Display*, XErrorEvent*);

// Room for the longest X error name with its details.
constexpr int kErrorTextSize = 160;

} // namespace

struct X11ErrorTrapHandler {
    static int OnError(Display* display, XErrorEvent* error)
    {
        for (CX11ErrorTrap* trap = CX11ErrorTrap::s_innermost; trap != nullptr; trap = trap->m_outer) {
            if (trap->m_display != display)
                continue;
            if (trap->m_errorCount++ == 0) {
                char text[kErrorTextSize] = {};
                XGetErrorText(display, error->error_code, text, sizeof text);
                trap->m_firstErrorName = text;
                // Xlib appends the long explanation in brackets.
                const std::size_t bracket = trap->m_firstErrorName.find(" (");
                if (bracket != std::string::npos)
                    trap->m_firstErrorName.resize(bracket);
            }
            return 0;
        }
        // Another display's error is not ours to judge.
        CX11ErrorTrap* outermost = CX11ErrorTrap::s_innermost;
        while (outermost != nullptr && outermost->m_outer != nullptr)
            outermost = outermost->m_outer;
        const auto previous = outermost ? reinterpret_cast<ErrorHandler>(outermost->m_previous) : nullptr;
        return previous ? previous(display, error) : 0;
    }
};

CX11ErrorTrap::CX11ErrorTrap(Display* display)
    : m_display(display), m_outer(s_innermost)
{
    if (m_display)
        XSync(m_display, False);
    m_previous = reinterpret_cast<void (*)()>(XSetErrorHandler(&X11ErrorTrapHandler::OnError));
    s_innermost = this;
}

CX11ErrorTrap::~CX11ErrorTrap()
{
    // The answers to our requests must arrive while the trap still stands.
    if (m_display)
        XSync(m_display, False);
    XSetErrorHandler(reinterpret_cast<ErrorHandler>(m_previous));
    s_innermost = m_outer;
}

bool CX11ErrorTrap::Caught()
{
    if (m_display)
        XSync(m_display, False);
    return m_errorCount != 0;
}
