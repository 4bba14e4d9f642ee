// The game view's controls: the lists a load builds, re-centring the
// pointer (by the document and by Space), and the physics run as the
// animation step with the pointer as steering.
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

    // The ball's x, y, angle and speed along x and y.
    std::vector<double> Ball() const
    {
        double x, y, z, angle, vx, vy;
        m_doc.GetBall(x, y, z, angle, vx, vy);
        return {x, y, angle, vx, vy};
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
    EXPECT_EQ(Ball()[3], 0.0);
    EXPECT_EQ(Ball()[4], 0.0);
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
    EXPECT_EQ(Ball()[3], 0.0) << "no push from a jump that did not happen";
}

TEST_F(Controls, TheAnimationStepSteersByThePointerOverTheFrameInterval)
{
    CreateView();
    RollBall();
    // 10 pixels right and 5 up: +0.2 cells/s in x, +0.1 in y, for 30 ms.
    m_pointer.x = 510;
    m_pointer.y = 375;
    Step();
    const std::vector<double> expected = {5.5 + 0.03 * 0.2, 5.5 + 0.03 * 0.1, 180 * 0.03, 0.2, 0.1};
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(Ball()[i], expected[i], 1e-12) << i;
    ExpectLastCursor(510, 375);
}

} // namespace
