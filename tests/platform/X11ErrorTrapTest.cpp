// CX11ErrorTrap on two connections of our own to the test display: what a
// trap takes, and what goes on to the handler that was in place.
#include "platform/X11ErrorTrap.h"
#include "tests/platform/WxTestEnvironment.h"

#include <X11/Xlib.h>

#include <vector>

namespace {

// The displays whose errors reached the handler in place, outside every trap.
std::vector<Display*> g_untrapped;

class X11ErrorTrap : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        g_untrapped.clear();
        m_before = XSetErrorHandler([](Display* display, XErrorEvent*) {
            g_untrapped.push_back(display);
            return 0;
        });
        ASSERT_TRUE((m_display = XOpenDisplay(nullptr)) && (m_other = XOpenDisplay(nullptr)));
    }

    void TearDown() override
    {
        if (!HaveDisplay())
            return;
        for (Display* display : {m_display, m_other}) {
            if (display != nullptr)
                XCloseDisplay(display);
        }
        XSetErrorHandler(m_before);
    }

    // A request the server refuses with BadWindow: mapping a window that is gone.
    static void Refused(Display* display)
    {
        const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        XDestroyWindow(display, window);
        XMapWindow(display, window);
    }

    Display* m_display = nullptr;
    Display* m_other = nullptr;
    XErrorHandler m_before = nullptr;
};

TEST_F(X11ErrorTrap, TakesTheRefusalsOfItsDisplaySentWhileItStands)
{
    Refused(m_display);  // answered when the trap is set: not the trap's
    {
        CX11ErrorTrap trap(m_display);
        XNoOp(m_display);
        Refused(m_other);
        XSync(m_other, False);
        EXPECT_TRUE(!trap.Caught() && trap.FirstErrorName().empty()) << "an answer, another display's refusal";
        Refused(m_display);
        EXPECT_TRUE(trap.Caught() && trap.ErrorCount() == 1 && trap.FirstErrorName() == "BadWindow");
        Refused(m_display);  // not yet answered when the trap ends: still the trap's
    }
    EXPECT_EQ(g_untrapped, (std::vector<Display*>{m_display, m_other}));
    Refused(m_display);
    XSync(m_display, False);
    EXPECT_EQ(g_untrapped.size(), 3u) << "the handler in place is back";
}

} // namespace
