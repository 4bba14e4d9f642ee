#pragma once

#include <string>

// Xlib's own name for a display connection, without its macros.
typedef struct _XDisplay Display;

// Catches the X protocol errors of the requests made on one display while
// it lives, so that a request the X server refuses (a GLX context the
// server will not make) becomes a failed result. Without it the error
// reaches the toolkit's handler, which ends the program.
//
// The constructor sends what is queued and waits for it, so that errors of
// earlier requests still go to the handler that was in place; the
// destructor does the same before it puts that handler back. Traps nest;
// errors on other displays go on to the handler that was in place. For the
// user-interface thread only.
class CX11ErrorTrap {
public:
    explicit CX11ErrorTrap(Display* display);
    ~CX11ErrorTrap();
    CX11ErrorTrap(const CX11ErrorTrap&) = delete;
    CX11ErrorTrap& operator=(const CX11ErrorTrap&) = delete;

    // Waits for the answers to every request sent so far; true when one of
    // them since the trap was set was an error.
    bool Caught();
    // How many errors arrived so far (without waiting).
    int ErrorCount() const { return m_errorCount; }
    // The X name of the first error ("BadValue"), empty while there is none.
    const std::string& FirstErrorName() const { return m_firstErrorName; }

private:
    // The X error handler: it needs Xlib's error record, which this header
    // keeps out of its users' sight.
    friend struct X11ErrorTrapHandler;

    Display* m_display;
    // The handler to put back, under a neutral function type.
    void (*m_previous)() = nullptr;
    CX11ErrorTrap* m_outer = nullptr;
    int m_errorCount = 0;
    std::string m_firstErrorName;

    static CX11ErrorTrap* s_innermost;
};
