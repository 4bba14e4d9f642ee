#include "platform/X11ErrorTrap.h"

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

// Errors that reach the handler in place outside every trap, by display.
std::vector<Display*> g_untrapped;

int RecordUntrapped(Display* display, XErrorEvent*)
{
    g_untrapped.push_back(display);
    return 0;
}

// Two connections of our own to the test display, each with a window id
// that no longer exists, and a handler that records what no trap took.
class X11ErrorTrapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* name = std::getenv("DISPLAY");
        if (name == nullptr || *name == '\0')
            GTEST_SKIP() << "needs an X display";
        m_display = XOpenDisplay(nullptr);
        m_other = XOpenDisplay(nullptr);
        ASSERT_NE(m_display, nullptr);
        ASSERT_NE(m_other, nullptr);
        m_gone = GoneWindow(m_display);
        m_goneOther = GoneWindow(m_other);
        g_untrapped.clear();
        m_before = XSetErrorHandler(RecordUntrapped);
    }

    void TearDown() override
    {
        if (m_display == nullptr)
            return;
        XSync(m_display, False);
        XSync(m_other, False);
        XSetErrorHandler(m_before);
        XCloseDisplay(m_other);
        XCloseDisplay(m_display);
    }

    static Window GoneWindow(Display* display)
    {
        const Window window =
            XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        XDestroyWindow(display, window);
        XSync(display, False);
        return window;
    }

    // A request the server refuses with BadWindow.
    void Refused() { XMapWindow(m_display, m_gone); }
    // A request it answers.
    void Answered() { XNoOp(m_display); }

    Display* m_display = nullptr;
    Display* m_other = nullptr;
    Window m_gone = 0;
    Window m_goneOther = 0;
    XErrorHandler m_before = nullptr;
};

TEST_F(X11ErrorTrapTest, ARefusedRequestIsCaughtAndNamed)
{
    CX11ErrorTrap trap(m_display);
    Answered();
    EXPECT_FALSE(trap.Caught());
    EXPECT_EQ(trap.FirstErrorName(), "");
    Refused();
    EXPECT_TRUE(trap.Caught());
    EXPECT_EQ(trap.ErrorCount(), 1);
    EXPECT_EQ(trap.FirstErrorName(), "BadWindow");
    EXPECT_TRUE(g_untrapped.empty());
}

TEST_F(X11ErrorTrapTest, ErrorsOutsideTheTrapGoToTheHandlerInPlace)
{
    // Sent before the trap, answered while it stands: not the trap's.
    Refused();
    {
        CX11ErrorTrap trap(m_display);
        EXPECT_FALSE(trap.Caught());
        // Sent inside, not yet answered when it ends: still the trap's.
        Refused();
    }
    ASSERT_EQ(g_untrapped.size(), 1u);
    // Once the trap is gone, the handler in place is back.
    Refused();
    XSync(m_display, False);
    EXPECT_EQ(g_untrapped.size(), 2u);
}

TEST_F(X11ErrorTrapTest, AnotherDisplaysErrorsAreNotTaken)
{
    CX11ErrorTrap trap(m_display);
    XMapWindow(m_other, m_goneOther);
    XSync(m_other, False);
    EXPECT_FALSE(trap.Caught());
    ASSERT_EQ(g_untrapped.size(), 1u);
    EXPECT_EQ(g_untrapped[0], m_other);
}

// Over random nestings of traps with refused and answered requests in
// each, every trap counts exactly the refusals made in its own scope (not
// those of the traps inside it), and nothing escapes.
TEST_F(X11ErrorTrapTest, NestedTrapsEachCountTheirOwnRefusals)
{
    std::mt19937 random(67);
    for (int round = 0; round < 40; ++round) {
        const int depth = 1 + static_cast<int>(random() % 4);
        std::vector<std::unique_ptr<CX11ErrorTrap>> traps;
        std::vector<int> expected;
        for (int level = 0; level < depth; ++level) {
            traps.push_back(std::make_unique<CX11ErrorTrap>(m_display));
            expected.push_back(0);
            const int requests = static_cast<int>(random() % 5);
            for (int i = 0; i < requests; ++i) {
                if (random() % 2) {
                    Refused();
                    ++expected.back();
                } else {
                    Answered();
                }
            }
        }
        while (!traps.empty()) {
            traps.back()->Caught();
            EXPECT_EQ(traps.back()->ErrorCount(), expected.back()) << "round " << round << ", level " << traps.size();
            traps.pop_back();
            expected.pop_back();
        }
    }
    EXPECT_TRUE(g_untrapped.empty());
}

} // namespace
