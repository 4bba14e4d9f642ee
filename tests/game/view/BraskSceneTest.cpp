// What a frame of the game shows: nothing before a course, the course and
// ball once loaded, and the end words in dark red only once a game ended.
#include "tests/game/view/BraskViewFixture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The end words' colour (0.5, 0.1, 0.1) in bytes.
constexpr unsigned char kWordsRed = 128;
constexpr unsigned char kWordsGreen = 26;
constexpr unsigned char kWordsBlue = 26;
// Plenty of letter pixels: "Game Over" covers thousands at this distance.
constexpr int kWordsMinPixels = 200;

class Scene : public BraskViewTest {
protected:
    void SetUp() override
    {
        BraskViewTest::SetUp();
        if (IsSkipped())
            return;
        CreateView();
        MakeFlatCourse(10, 10);
        m_view->BuildLists();
    }

    // The camera where it settles behind a ball at (4.5, 4.5) on height 0.
    void SettledCamera()
    {
        m_view->m_camera[0] = -2.5;
        m_view->m_camera[1] = -2.5;
        m_view->m_camera[2] = 5.0;
    }

    int WordPixels(PlayState state)
    {
        PlaceBall(4.5, 4.5, 0.0, state);
        SettledCamera();
        DrawSceneOnly();
        return CountPixels(kWordsRed, kWordsGreen, kWordsBlue);
    }
};

TEST_F(Scene, EndWordsShowOnlyOnceAGameEnded)
{
    struct Case {
        PlayState state;
        bool shown;
    };
    for (const Case& c : {Case{Idle, false}, Case{Rolling, false}, Case{Lost, true}, Case{Won, true}}) {
        const int pixels = WordPixels(c.state);
        if (c.shown)
            EXPECT_GT(pixels, kWordsMinPixels) << "state " << c.state;
        else
            EXPECT_EQ(pixels, 0) << "state " << c.state;
    }
}

TEST_F(Scene, WithoutAnOutlineFontTheEndDrawsAsARunningGame)
{
    ASSERT_NE(m_view->m_outlineFontBase, 0u);
    WordPixels(Rolling);
    const std::vector<unsigned char> rolling = ReadPixels();
    m_view->m_outlineFontBase = 0;
    EXPECT_EQ(WordPixels(Lost), 0);
    EXPECT_EQ(ReadPixels(), rolling) << "nothing else changes";
}

TEST_F(Scene, TheWordsStartBesideTheBallTowardsMinusX)
{
    // Seen from behind the ball along the diagonal, -x is towards the left
    // of the screen: the words begin well left of the ball, which stands in
    // the middle of the view, and run to the right.
    PlaceBall(4.5, 4.5, 0.0, Lost);
    SettledCamera();
    DrawSceneOnly();
    const std::vector<unsigned char> pixels = ReadPixels();
    int leftmost = kWidth, rightmost = -1;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const unsigned char* p = &pixels[(y * kWidth + x) * 3];
            if (std::abs(p[0] - kWordsRed) <= 2 && std::abs(p[1] - kWordsGreen) <= 2 &&
                std::abs(p[2] - kWordsBlue) <= 2) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
        }
    EXPECT_LT(leftmost, kWidth / 4);
    EXPECT_GT(rightmost, kWidth / 2);
}

TEST_F(Scene, BeforeAnyCourseTheFrameIsBlack)
{
    // A fresh view on a fresh document: no lists yet.
    m_frame->Destroy();
    PumpGLEvents();
    m_frame = nullptr;
    m_doc.GetHeightField().Create(0, 0);
    CreateView();
    EXPECT_EQ(m_view->m_courseList, 0u);
    EXPECT_EQ(m_view->m_ballList, 0u);
    DrawSceneOnly();
    EXPECT_EQ(CountPixels(0, 0, 0), kWidth * kHeight);
}

TEST_F(Scene, TheCourseAndTheBallAreDrawnAndNoStockScene)
{
    PlaceBall(4.5, 4.5, 0.0, Rolling);
    SettledCamera();
    // The ball's cap is the only orange (0.9, 0.5, 0.3) in the scene.
    DrawSceneOnly();
    EXPECT_GT(CountPixels(230, 128, 77), 20);
    EXPECT_LT(CountPixels(0, 0, 0), kWidth * kHeight / 2) << "the course fills the lower view";

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_view->DrawStockScene();
    glFinish();
    EXPECT_EQ(CountPixels(0, 0, 0), kWidth * kHeight);
}

} // namespace
