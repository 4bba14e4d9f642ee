#include "tests/game/glview/ViewTestSupport.h"

#include <GL/gl.h>

#include <cmath>

namespace {

// The frame counter as the process started, before any test drew.
const int kCounterAtStart = CTestView::s_frameCounter;

class RenderLoop : public CViewTest {
protected:
    // One paint at the given clock reading; whether it drew a frame.
    bool PaintAt(uint32_t now)
    {
        m_clock.now = now;
        const int swapsBefore = m_binding.swaps;
        m_view->OnDraw(nullptr);
        return m_binding.swaps != swapsBefore;
    }
};

TEST_F(RenderLoop, FramesAreAtLeast30MillisecondsApartAcrossTheClocksWrap)
{
    struct Case {
        uint32_t lastFrame, paint;
        bool draws;
    };
    const Case cases[] = {
        {1000, 1029, false}, {1000, 1030, true}, {1000, 1000, false},
        {0xFFFFFFF0u, 0x10, true},   // 32 ms, across the wrap
        {0xFFFFFFF0u, 0x0D, false},  // 29 ms, across the wrap
    };
    CTestView* view = CreateAnimatingView();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lastFrame << " -> " << c.paint);
        view->m_lastFrameTime = c.lastFrame;
        view->animateSteps = 0;
        EXPECT_EQ(PaintAt(c.paint), c.draws);
        EXPECT_EQ(view->animateSteps, c.draws ? 1 : 0);
        EXPECT_EQ(view->m_lastFrameTime, c.draws ? c.paint : c.lastFrame);
        EXPECT_EQ(view->m_frameTime, c.paint);
    }
}

TEST_F(RenderLoop, AFullFrameRunsTheHooksInOrderAndPopsWhatItPushed)
{
    CTestView* view = CreateAnimatingView();
    m_binding.log = &view->log;
    ASSERT_TRUE(PaintAt(m_clock.now + 30));
    EXPECT_EQ(view->log, (std::vector<std::string>{"AnimateStep", "PrepareFrame", "DrawStockScene", "DrawScene", "Swap",
                                                   "FinishFrame"}));
    GLint depth = -1;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
}

TEST_F(RenderLoop, WithoutAnimationEveryPaintDrawsAndNothingAnimates)
{
    CTestView* view = CreateView();
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(PaintAt(m_clock.now + 1));
    EXPECT_EQ(view->animateSteps, 0);
    EXPECT_EQ(view->m_lastFrameTime, 0xFFFFFFFFu);
    EXPECT_EQ(FrameTitle(), kFrameTitle);
}

TEST_F(RenderLoop, TheTitleShowsTheRateOnTheFirstAndEvery16thAnimatedFrame)
{
    EXPECT_EQ(kCounterAtStart, 15);
    CTestView* view = CreateAnimatingView();
    CTestView::s_frameCounter = kCounterAtStart;
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(PaintAt(m_clock.now + 40));
        EXPECT_EQ(FrameTitle(), std::string(kFrameTitle) + " ( 25 Frames/sec )");
        m_frame->SetTitle(wxS("marker"));
        for (int frame = 1; frame < 16; ++frame) {
            ASSERT_TRUE(PaintAt(m_clock.now + 40));
            ASSERT_EQ(FrameTitle(), "marker") << "frame " << frame;
        }
    }
    // Switching animation off restores the plain title.
    view->OnToggleAnimation();
    EXPECT_EQ(FrameTitle(), kFrameTitle);

    // A long title is cut at 200 characters.
    view->OnToggleAnimation();
    view->m_titleBase = wxString(wxS('T'), 190);
    CTestView::s_frameCounter = 15;
    ASSERT_TRUE(PaintAt(m_clock.now + 30));
    EXPECT_EQ(m_frame->GetTitle(), wxString(wxS('T'), 190) + wxS(" ( 33 Fram"));
}

TEST_F(RenderLoop, FramesPerSecondIsTheLastIntervalsRate)
{
    struct Case {
        uint32_t last, now;
        int rate;
    };
    const Case cases[] = {
        {1000, 1040, 25}, {1000, 1000, 0}, {1000, 1030, 33}, {0, 1000, 1}, {0, 1001, 0}, {0xFFFFFFFEu, 1, 333},
    };
    CTestView* view = CreateView();
    for (const Case& c : cases) {
        view->m_lastFrameTime = c.last;
        view->m_frameTime = c.now;
        EXPECT_EQ(view->FramesPerSecond(), c.rate) << c.last << " -> " << c.now;
    }
}

TEST_F(RenderLoop, SwitchingAnimationOnDrawsAtOnceAndChecksTheMenuItem)
{
    CTestView* view = CreateView();
    view->m_lastFrameTime = m_clock.now;
    m_clock.now += 100;
    view->OnToggleAnimation();
    // Drawn at once where the toolkit paints on request, else on the next
    // paint; the clock has not moved, so no later frame is due.
    EXPECT_TRUE(PumpUntil([view] { return view->animateSteps == 1; }));
    wxUpdateUIEvent ui;
    view->OnUpdateToggleAnimation(ui);
    EXPECT_TRUE(ui.GetSetChecked());
    EXPECT_TRUE(ui.GetChecked());

    view->OnToggleAnimation();
    EXPECT_FALSE(view->m_animate);
    view->OnUpdateToggleAnimation(ui);
    EXPECT_FALSE(ui.GetChecked());
}

TEST(NextFrameDelay, KeepsTheIntervalAndAlwaysLeavesIdleTime)
{
    // However long a frame took, the next is asked for no sooner than the
    // 30 ms interval allows and never at once: the event loop must get to
    // its idle work (deferred calls, closing windows) between slow frames.
    for (uint32_t took : {0u, 1u, 10u, 24u, 25u, 26u, 29u, 30u, 31u, 110u, 5000u, 0xFFFFFFF0u})
        EXPECT_EQ(COpenGLView::NextFrameDelay(took), took <= 25 ? 30 - took : 5u) << took;
}

TEST_F(RenderLoop, ResizingSetsViewportProjectionAndViewTransform)
{
    CTestView* view = CreateView();
    view->OnSize(0, 800, 600);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::vector<GLint>(viewport, viewport + 4), (std::vector<GLint>{0, 0, 800, 600}));
    EXPECT_DOUBLE_EQ(view->lastAspect, 800.0 / 600.0);

    // 40 degrees high, from 0.1 to 20; 5 back and tilted 20 degrees down,
    // left in modelview mode.
    const double n = static_cast<double>(0.1f), r = 20.0, f = 1.0 / std::tan(20.0 * M_PI / 180.0);
    const double c = std::cos(20.0 * M_PI / 180.0), s = std::sin(20.0 * M_PI / 180.0);
    const double projection[16] = {f * 600 / 800, 0, 0, 0, 0, f, 0, 0,
                                   0, 0, (r + n) / (n - r), -1, 0, 0, 2 * r * n / (n - r), 0};
    const double modelview[16] = {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, -5, 1};
    GLdouble matrix[16];
    glGetDoublev(GL_PROJECTION_MATRIX, matrix);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(matrix[i], projection[i], 1e-5) << "projection " << i;
    glGetDoublev(GL_MODELVIEW_MATRIX, matrix);
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(matrix[i], modelview[i], 1e-6) << "modelview " << i;
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);

    // A zero or negative size changes nothing.
    const int projections = view->projections;
    view->OnSize(0, 800, 0);
    view->OnSize(0, -1, 600);
    EXPECT_EQ(view->projections, projections);
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 800);

    // Through the toolkit: the frame's new client size reaches the override.
    m_frame->SetClientSize(300, 300);
    EXPECT_TRUE(PumpUntil([view] { return view->lastAspect == 1.0; }));
}

} // namespace
