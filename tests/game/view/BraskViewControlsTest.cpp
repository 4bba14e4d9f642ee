// The game view's controls: the lists a load builds, re-centring the
// pointer (by the document and by Space), and the physics run as the
// render loop's animation step with the pointer as steering.
#include "tests/game/view/BraskViewFixture.h"

#include "platform/VirtualKey.h"

#include <GL/gl.h>

namespace {

class Controls : public BraskViewTest {
protected:
    void ExpectLastCursor(int x, int y)
    {
        EXPECT_EQ(m_view->m_lastCursor.x, x);
        EXPECT_EQ(m_view->m_lastCursor.y, y);
    }

    void ExpectWarpedToOrigin(size_t warps)
    {
        ASSERT_EQ(m_pointer.warps.size(), warps);
        EXPECT_EQ(m_pointer.warps.back().x, 500);
        EXPECT_EQ(m_pointer.warps.back().y, 380);
        ExpectLastCursor(500, 380);
    }

    // A rolling ball at rest at (5.5, 5.5) on a 10 x 10 course, and one
    // animation step of 30 ms.
    void RollBall()
    {
        LoadFlatCourse(10, 10);
        PlaceBall(5.5, 5.5, 0.0, Rolling);
    }
    void Step()
    {
        m_view->m_lastFrameTime = 5000;
        m_view->m_frameTime = 5030;
        m_view->AnimateStep();
    }

    struct Ball {
        double x, y, z, angle, vx, vy;
    };
    Ball GetBall() const
    {
        Ball b{};
        m_doc.GetBall(b.x, b.y, b.z, b.angle, b.vx, b.vy);
        return b;
    }
};

TEST_F(Controls, EveryLoadTakesNewNamesAndDeletesThePreviousCoursesLists)
{
    CreateView();
    std::vector<unsigned> seen;
    for (int load = 0; load < 5; ++load) {
        SCOPED_TRACE(load);
        const unsigned oldCourse = m_view->m_courseList, oldBall = m_view->m_ballList;
        LoadFlatCourse(3 + load, 2);
        EXPECT_TRUE(glIsList(m_view->m_courseList));
        EXPECT_TRUE(glIsList(m_view->m_ballList));
        EXPECT_FALSE(oldCourse != 0 && glIsList(oldCourse));
        EXPECT_FALSE(oldBall != 0 && glIsList(oldBall));
        for (unsigned name : seen) {
            EXPECT_NE(m_view->m_courseList, name);
            EXPECT_NE(m_view->m_ballList, name);
        }
        seen.insert(seen.end(), {m_view->m_courseList, m_view->m_ballList});
        ExpectWarpedToOrigin(load + 1);
    }
}

TEST_F(Controls, ACourseLoadedBeforeTheWindowShowsGetsItsListsWhenItDoes)
{
    CreateView(false);
    LoadFlatCourse(3, 2);
    EXPECT_EQ(m_view->m_courseList, 0u) << "no context yet";
    EXPECT_TRUE(m_pointer.warps.empty()) << "no window to move the pointer over yet";
    ShowAndRealize();
    EXPECT_NE(m_view->m_courseList, 0u);
    EXPECT_NE(m_view->m_ballList, 0u);
    ExpectWarpedToOrigin(1);
}

TEST_F(Controls, SpaceRecentresThePointerAndGivesTheBallNoPush)
{
    CreateView();
    RollBall();
    m_pointer.x = 900;
    m_pointer.y = 100;
    m_view->OnKeyDown(VK_SPACE, 1, 0x39);
    ExpectWarpedToOrigin(2);
    Step();
    EXPECT_EQ(GetBall().vx, 0.0);
    EXPECT_EQ(GetBall().vy, 0.0);
    EXPECT_EQ(GetBall().x, 5.5);
}

TEST_F(Controls, WhereThePointerCannotBeMovedSteeringStartsFromWhereItIs)
{
    CreateView();
    m_pointer.warpAllowed = false;
    m_pointer.x = 123;
    m_pointer.y = 456;
    RollBall();
    EXPECT_TRUE(m_pointer.warps.empty());
    ExpectLastCursor(123, 456);
    Step();
    EXPECT_EQ(GetBall().vx, 0.0) << "no push from a jump that did not happen";
}

TEST_F(Controls, TheAnimationStepSteersByThePointerAndUsesTheFrameTimes)
{
    CreateView();
    RollBall();
    // 10 pixels right and 5 up: +0.2 cells/s in x, +0.1 in y.
    m_pointer.x = 510;
    m_pointer.y = 375;
    Step();
    const Ball b = GetBall();
    EXPECT_NEAR(b.vx, 0.2, 1e-12);
    EXPECT_NEAR(b.vy, 0.1, 1e-12);
    EXPECT_NEAR(b.x, 5.5 + 0.03 * 0.2, 1e-12);
    EXPECT_NEAR(b.y, 5.5 + 0.03 * 0.1, 1e-12);
    EXPECT_NEAR(b.angle, 180 * 0.03, 1e-12);
    ExpectLastCursor(510, 375);
}

TEST_F(Controls, SetAnimationSwitchesTheRenderLoopAndItRunsThePhysics)
{
    CreateView();
    RollBall();
    m_doc.SetPlayState(Lost);
    m_view->SetAnimation(true);
    m_view->SetAnimation(true);
    EXPECT_TRUE(m_view->m_animate);

    // A paint 30 ms after the last full frame runs one step: the ball of an
    // ended game only spins. 29 ms later is too soon for another.
    m_view->m_lastFrameTime = m_clock.now;
    for (uint32_t wait : {30u, 29u}) {
        m_clock.now += wait;
        m_view->OnDraw(nullptr);
        EXPECT_NEAR(GetBall().angle, 180 * 0.03, 1e-12) << wait;
        EXPECT_EQ(GetBall().x, 5.5);
    }

    m_view->SetAnimation(false);
    EXPECT_FALSE(m_view->m_animate);
    m_clock.now += 1000;
    m_view->OnDraw(nullptr);
    EXPECT_NEAR(GetBall().angle, 180 * 0.03, 1e-12) << "no step with animation off";
}

} // namespace
