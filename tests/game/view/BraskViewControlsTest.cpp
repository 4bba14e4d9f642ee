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

TEST_F(Controls, ConstructionLeavesAnimationOffAndTheCameraAndCursorAtTheirOrigins)
{
    CreateView(false);
    EXPECT_FALSE(m_view->m_animate);
    EXPECT_EQ(m_view->m_courseList, 0u);
    EXPECT_EQ(m_view->m_ballList, 0u);
    ExpectLastCursor(500, 380);
    EXPECT_EQ(m_view->m_camera[0], -5.0);
    EXPECT_EQ(m_view->m_camera[1], -5.0);
    EXPECT_EQ(m_view->m_camera[2], 5.0);
    EXPECT_EQ(m_doc.GetFirstView(), static_cast<CViewLink*>(m_view)) << "the document reaches the view";
}

TEST_F(Controls, EveryLoadTakesNewNamesAndDeletesThePreviousCoursesLists)
{
    CreateView();
    MakeFlatCourse(3, 2);
    m_view->BuildLists();
    EXPECT_TRUE(glIsList(m_view->m_courseList));
    EXPECT_TRUE(glIsList(m_view->m_ballList));
    ExpectWarpedToOrigin(1);
    ExpectLastCursor(500, 380);
    std::vector<unsigned> seen = {m_view->m_courseList, m_view->m_ballList};
    for (int load = 0; load < 5; ++load) {
        const unsigned oldCourse = m_view->m_courseList;
        const unsigned oldBall = m_view->m_ballList;
        MakeFlatCourse(4 + load, 3);
        m_view->BuildLists();
        for (unsigned name : seen) {
            EXPECT_NE(m_view->m_courseList, name) << "load " << load;
            EXPECT_NE(m_view->m_ballList, name) << "load " << load;
        }
        EXPECT_FALSE(glIsList(oldCourse)) << "load " << load;
        EXPECT_FALSE(glIsList(oldBall)) << "load " << load;
        EXPECT_TRUE(glIsList(m_view->m_courseList));
        EXPECT_TRUE(glIsList(m_view->m_ballList));
        seen.push_back(m_view->m_courseList);
        seen.push_back(m_view->m_ballList);
    }
}

TEST_F(Controls, ACourseLoadedBeforeTheWindowShowsGetsItsListsWhenItDoes)
{
    CreateView(false);
    MakeFlatCourse(3, 2);
    m_view->BuildLists();
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
    MakeFlatCourse(10, 10);
    m_doc.SetBall(5.5, 5.5, 0.0, 0.0, 0.0, 0.0);
    m_doc.SetPlayState(Rolling);
    m_pointer.x = 900;
    m_pointer.y = 100;
    m_view->OnKeyDown(VK_SPACE, 1, 0x39);
    ExpectWarpedToOrigin(1);
    ExpectLastCursor(500, 380);

    m_view->m_lastFrameTime = 1000;
    m_view->m_frameTime = 1030;
    m_view->AnimateStep();
    const Ball b = GetBall();
    EXPECT_EQ(b.vx, 0.0);
    EXPECT_EQ(b.vy, 0.0);
    EXPECT_EQ(b.x, 5.5);
    EXPECT_EQ(b.y, 5.5);
}

TEST_F(Controls, WhereThePointerCannotBeMovedSteeringStartsFromWhereItIs)
{
    CreateView();
    MakeFlatCourse(10, 10);
    m_pointer.warpAllowed = false;
    m_pointer.x = 123;
    m_pointer.y = 456;
    m_view->RecenterCursor();
    EXPECT_TRUE(m_pointer.warps.empty());
    ExpectLastCursor(123, 456);

    m_doc.SetBall(5.5, 5.5, 0.0, 0.0, 0.0, 0.0);
    m_doc.SetPlayState(Rolling);
    m_view->m_lastFrameTime = 1000;
    m_view->m_frameTime = 1030;
    m_view->AnimateStep();
    EXPECT_EQ(GetBall().vx, 0.0) << "no push from a jump that did not happen";
}

TEST_F(Controls, TheAnimationStepSteersByThePointerAndUsesTheFrameTimes)
{
    CreateView();
    MakeFlatCourse(10, 10);
    m_doc.SetBall(5.5, 5.5, 0.0, 0.0, 0.0, 0.0);
    m_doc.SetPlayState(Rolling);
    m_view->RecenterCursor();
    // 10 pixels right and 5 up: +0.2 cells/s in x, +0.1 in y.
    m_pointer.x = 510;
    m_pointer.y = 375;
    m_view->m_lastFrameTime = 5000;
    m_view->m_frameTime = 5030;
    m_view->AnimateStep();
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
    MakeFlatCourse(10, 10);
    m_doc.SetBall(5.5, 5.5, 0.0, 0.0, 0.0, 0.0);
    m_doc.SetPlayState(Lost);
    m_view->SetAnimation(true);
    EXPECT_TRUE(m_view->m_animate);
    m_view->SetAnimation(true);
    EXPECT_TRUE(m_view->m_animate);

    // A paint 30 ms after the last full frame runs one step: the ball of an
    // ended game only spins.
    m_view->m_lastFrameTime = m_clock.now;
    m_clock.now += 30;
    m_view->OnDraw(nullptr);
    EXPECT_NEAR(GetBall().angle, 180 * 0.03, 1e-12);
    EXPECT_EQ(GetBall().x, 5.5);
    m_clock.now += 29;
    m_view->OnDraw(nullptr);
    EXPECT_NEAR(GetBall().angle, 180 * 0.03, 1e-12) << "too soon for another step";

    m_view->SetAnimation(false);
    EXPECT_FALSE(m_view->m_animate);
    m_clock.now += 1000;
    m_view->OnDraw(nullptr);
    EXPECT_NEAR(GetBall().angle, 180 * 0.03, 1e-12) << "no step with animation off";
}

} // namespace
