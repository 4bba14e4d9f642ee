#include "platform/VirtualKey.h"
#include "tests/game/glview/ViewTestSupport.h"

#include <cmath>
#include <random>

namespace {

using Triple = std::vector<double>;

Triple Of(const double (&values)[3])
{
    return Triple(values, values + 3);
}

struct Press {
    unsigned key;
    bool shift;
};

class Keys : public CViewTest {
protected:
    void PressAll(const std::vector<Press>& presses)
    {
        for (const Press& press : presses) {
            m_view->SetShiftDown(press.shift);
            m_view->OnKeyDown(press.key, 1, 0);
        }
    }

    // A frame's animation step, the given milliseconds after the last one.
    void StepAfter(uint32_t milliseconds)
    {
        m_view->m_lastFrameTime = m_view->m_frameTime;
        m_view->m_frameTime += milliseconds;
        m_view->AnimateStep();
    }
};

TEST_F(Keys, EachPressStepsOneVelocityWithinItsBound)
{
    struct Case {
        const char* name;
        std::vector<Press> presses;
        Triple velocity, angular;
    };
    const Press left{VK_LEFT, false};
    const std::vector<Case> cases = {
        {"five Left", std::vector<Press>(5, left), {5, 0, 0}, {0, 0, 0}},
        {"six Left, Right", {left, left, left, left, left, left, {VK_RIGHT, false}}, {4, 0, 0}, {0, 0, 0}},
        {"six Shift+Up", std::vector<Press>(6, {VK_UP, true}), {0, 0, 0}, {0, 0, 90}},
        {"seven Down", std::vector<Press>(7, {VK_DOWN, false}), {0, 0, -5}, {0, 0, 0}},
        {"keypad minus", {{VK_SUBTRACT, false}}, {0, 1, 0}, {0, 0, 0}},
        {"keypad plus", {{VK_ADD, false}}, {0, -1, 0}, {0, 0, 0}},
        {"Shift+keypad plus", {{VK_ADD, true}}, {0, 0, 0}, {0, -18, 0}},
        {"Shift+Left, Shift+Right", {{VK_LEFT, true}, {VK_LEFT, true}, {VK_RIGHT, true}}, {0, 0, 0}, {18, 0, 0}},
        {"Left, Clear", {left, {VK_UP, true}, {VK_CLEAR, false}}, {0, 0, 0}, {0, 0, 0}},
        {"other keys", {{VK_SPACE, false}, {'A', true}, {VK_0 + 1, false}}, {0, 0, 0}, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CreateAnimatingView();
        PressAll(c.presses);
        EXPECT_EQ(Of(m_view->m_velocity), c.velocity);
        EXPECT_EQ(Of(m_view->m_angularVelocity), c.angular);
        DestroyFrame();
    }

    // Any sequence keeps every velocity on its steps and within its bound.
    const unsigned keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_ADD, VK_SUBTRACT, VK_HOME, VK_CLEAR, VK_SPACE};
    std::mt19937 random(7);
    CreateAnimatingView();
    for (int press = 0; press < 3000; ++press) {
        PressAll({{keys[random() % std::size(keys)], random() % 2 == 0}});
        for (int axis = 0; axis < 3; ++axis) {
            const double v = m_view->m_velocity[axis], w = m_view->m_angularVelocity[axis];
            ASSERT_LE(std::fabs(v), 5.0);
            ASSERT_LE(std::fabs(w), 90.0);
            ASSERT_NEAR(v, std::round(v), 1e-9) << "off the 1.0 steps";
            ASSERT_NEAR(w / 18.0, std::round(w / 18.0), 1e-9) << "off the 18.0 steps";
        }
    }
}

TEST_F(Keys, HomeRestoresThePoseAndShiftHomeAlsoStops)
{
    CTestView* view = CreateView([](CTestView& v) {
        v.m_animate = true;
        v.m_position[1] = 2.0;
        v.m_angles[0] = 10.0;
    });
    PressAll({{VK_LEFT, false}, {VK_UP, true}});
    StepAfter(500);
    EXPECT_EQ(Of(view->m_position), (Triple{0.5, 2.0, 0.0}));
    EXPECT_EQ(Of(view->m_angles), (Triple{10.0, 0.0, 9.0}));

    PressAll({{VK_HOME, false}});
    EXPECT_EQ(Of(view->m_position), (Triple{0, 2, 0}));
    EXPECT_EQ(Of(view->m_angles), (Triple{10, 0, 0}));
    EXPECT_EQ(Of(view->m_velocity), (Triple{1, 0, 0}));  // still moving
    EXPECT_EQ(Of(view->m_angularVelocity), (Triple{0, 0, 18}));

    StepAfter(500);
    PressAll({{VK_HOME, true}});
    EXPECT_EQ(Of(view->m_position), (Triple{0, 2, 0}));
    EXPECT_EQ(Of(view->m_velocity), (Triple{0, 0, 0}));
    EXPECT_EQ(Of(view->m_angularVelocity), (Triple{0, 0, 0}));
}

TEST_F(Keys, WithoutAnimationOnlyEscapeActsAndItClosesTheFrameLater)
{
    CTestView* view = CreateView();
    // Closes are counted and refused, so that the frame stays for the test.
    int closes = 0;
    m_frame->Bind(wxEVT_CLOSE_WINDOW, [&closes](wxCloseEvent& event) {
        ++closes;
        event.Veto();
    });
    view->m_position[0] = 3.0;
    PressAll({{VK_LEFT, false}, {VK_UP, true}, {VK_ADD, false}, {VK_HOME, true}, {VK_CLEAR, false}});
    EXPECT_EQ(Of(view->m_velocity), (Triple{0, 0, 0}));
    EXPECT_EQ(Of(view->m_angularVelocity), (Triple{0, 0, 0}));
    EXPECT_EQ(view->m_position[0], 3.0);

    PressAll({{VK_ESCAPE, false}});
    EXPECT_EQ(closes, 0) << "closed from the event queue, not inside the key handler";
    EXPECT_TRUE(PumpUntil([&closes] { return closes == 1; }));

    view->m_animate = true;
    PressAll({{VK_ESCAPE, true}});
    EXPECT_TRUE(PumpUntil([&closes] { return closes == 2; }));
}

TEST_F(Keys, TheDefaultStepIntegratesVelocitiesOverTheFrameInterval)
{
    CTestView* view = CreateAnimatingView();
    view->m_frameTime = 0xFFFFFFF0u;  // the steps cross the clock's wrap
    StepAfter(50);
    EXPECT_EQ(Of(view->m_position), (Triple{0, 0, 0})) << "at rest nothing moves";
    view->m_velocity[0] = 1.0;
    view->m_angularVelocity[2] = -90.0;
    for (int step = 1; step <= 3; ++step) {
        StepAfter(50);
        EXPECT_NEAR(view->m_position[0], 0.05 * step, 1e-12);
        EXPECT_NEAR(view->m_angles[2], -4.5 * step, 1e-12);
    }
}

} // namespace
