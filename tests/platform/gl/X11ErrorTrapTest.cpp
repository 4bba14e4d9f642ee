// CX11ErrorTrap on two connections of our own to the test display: what a
// trap takes, and what goes on to the handler that was in place.
#include "platform/gl/X11ErrorTrap.h"
#include "tests/support/WxTestEnvironment.h"

#include <X11/Xlib.h>

#include <vector>

namespace {

// The displays whose errors reached the handler in place, outside every trap.
std::vector<Display*> g_untrapped;

// A request the server refuses with BadWindow: mapping a window that is gone.
void Refused(Display* display)
{
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XDestroyWindow(display, window);
    XMapWindow(display, window);
}

TEST(X11ErrorTrap, TakesTheRefusalsOfItsDisplaySentWhileItStands)
{
    BRASK_REQUIRE_DISPLAY();
    Display *const display = XOpenDisplay(nullptr), *const other = XOpenDisplay(nullptr);
    ASSERT_TRUE(display && other);
    g_untrapped.clear();
    const XErrorHandler before = XSetErrorHandler([](Display* refused, XErrorEvent*) {
        g_untrapped.push_back(refused);
        return 0;
    });
    Refused(display);  // answered when the trap is set: not the trap's
    {
        CX11ErrorTrap trap(display);
        XNoOp(display);
        Refused(other);
        XSync(other, False);
        EXPECT_TRUE(!trap.Caught() && trap.FirstErrorName().empty()) << "an answer, another display's refusal";
        Refused(display);
        EXPECT_TRUE(trap.Caught() && trap.ErrorCount() == 1 && trap.FirstErrorName() == "BadWindow");
        Refused(display);  // not yet answered when the trap ends: still the trap's
    }
    EXPECT_EQ(g_untrapped, (std::vector<Display*>{display, other}));
    Refused(display);
    XSync(display, False);
    EXPECT_EQ(g_untrapped.size(), 3u) << "the handler in place is back";
    XCloseDisplay(display);
    XCloseDisplay(other);
    XSetErrorHandler(before);
}

} // namespace
