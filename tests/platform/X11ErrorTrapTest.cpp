// CX11ErrorTrap on two connections of our own to the test display: what a
// trap takes, and what goes on to the handler that was in place.
#include "platform/X11ErrorTrap.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <cstdlib>
#include <vector>

namespace {

// The displays whose errors reached the handler in place, outside every trap.
std::vector<Display*> g_untrapped;

int RecordUntrapped(Display* display, XErrorEvent*)
{
    g_untrapped.push_back(display);
    return 0;
}

class X11ErrorTrap : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* name = std::getenv("DISPLAY");
        if (name == nullptr || *name == '\0')
            GTEST_SKIP() << "needs an X display";
        ASSERT_NE(m_display = XOpenDisplay(nullptr), nullptr);
        ASSERT_NE(m_other = XOpenDisplay(nullptr), nullptr);
        g_untrapped.clear();
        m_before = XSetErrorHandler(RecordUntrapped);
    }

    void TearDown() override
    {
        for (Display* display : {m_other, m_display}) {
            if (display != nullptr) {
                XSync(display, False);
                XCloseDisplay(display);
            }
        }
        if (m_display != nullptr)
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

TEST_F(X11ErrorTrap, EachTrapCatchesAndNamesTheRefusalsOfItsOwnScope)
{
    CX11ErrorTrap outer(m_display);
    XNoOp(m_display);
    EXPECT_FALSE(outer.Caught());
    EXPECT_EQ(outer.FirstErrorName(), "");
    Refused(m_display);
    {
        // Sent before the inner trap: the outer one's.
        CX11ErrorTrap inner(m_display);
        Refused(m_display);
        Refused(m_display);
        EXPECT_TRUE(inner.Caught());
        EXPECT_EQ(inner.ErrorCount(), 2);
    }
    EXPECT_TRUE(outer.Caught());
    EXPECT_EQ(outer.ErrorCount(), 1);
    EXPECT_EQ(outer.FirstErrorName(), "BadWindow");
    EXPECT_TRUE(g_untrapped.empty());
}

TEST_F(X11ErrorTrap, ErrorsOutsideTheTrapGoToTheHandlerInPlace)
{
    // Sent before the trap, answered while it stands: not the trap's.
    Refused(m_display);
    {
        CX11ErrorTrap trap(m_display);
        EXPECT_FALSE(trap.Caught());
        // Sent inside, not yet answered when it ends: still the trap's.
        Refused(m_display);
    }
    EXPECT_EQ(g_untrapped.size(), 1u);
    Refused(m_display);
    XSync(m_display, False);
    EXPECT_EQ(g_untrapped.size(), 2u) << "the handler in place is back";
}

TEST_F(X11ErrorTrap, AnotherDisplaysErrorsAreNotTaken)
{
    CX11ErrorTrap trap(m_display);
    Refused(m_other);
    XSync(m_other, False);
    EXPECT_FALSE(trap.Caught());
    EXPECT_EQ(g_untrapped, std::vector<Display*>{m_other});
}

} // namespace
