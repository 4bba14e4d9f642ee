// What a frame of the game shows: nothing before a course, the course and
// ball once loaded, and the end words in dark red only once a game ended.
#include "tests/game/view/BraskViewFixture.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The end words' colour (0.5, 0.1, 0.1) in bytes.
constexpr unsigned char kWordsRed = 128, kWordsGreen = 26, kWordsBlue = 26;

class Scene : public BraskViewOnFlatCourse {
protected:
    // The scene with the ball at (4.5, 4.5) and the camera settled behind it.
    void Draw(PlayState state)
    {
        PlaceBall(4.5, 4.5, 0.0, state);
        SetCamera(-2.5, -2.5, 5.0);
        DrawSceneOnly();
    }
};

TEST_F(Scene, EndWordsShowOnlyOnceAGameEnded)
{
    for (PlayState state : {Idle, Rolling, Lost, Won}) {
        Draw(state);
        const int pixels = CountPixels(kWordsRed, kWordsGreen, kWordsBlue);
        if (state == Lost || state == Won)
            EXPECT_GT(pixels, 200) << "state " << state;  // "Game Over" covers thousands
        else
            EXPECT_EQ(pixels, 0) << "state " << state;
    }

    // Seen from behind the ball along the diagonal, -x is towards the left
    // of the screen: the words begin well left of the ball, which stands in
    // the middle of the view, and run to the right.
    Draw(Lost);
    const std::vector<unsigned char> pixels = ReadBackBuffer(kWidth, kHeight);
    int leftmost = kWidth, rightmost = -1;
    for (int i = 0; i < kWidth * kHeight; ++i) {
        const unsigned char* p = &pixels[i * 3];
        if (std::abs(p[0] - kWordsRed) <= 2 && std::abs(p[1] - kWordsGreen) <= 2 && std::abs(p[2] - kWordsBlue) <= 2) {
            leftmost = std::min(leftmost, i % kWidth);
            rightmost = std::max(rightmost, i % kWidth);
        }
    }
    EXPECT_LT(leftmost, kWidth / 4);
    EXPECT_GT(rightmost, kWidth / 2);
}

TEST_F(Scene, WithoutAnOutlineFontTheEndDrawsAsARunningGame)
{
    ASSERT_NE(m_view->m_outlineFontBase, 0u);
    Draw(Rolling);
    const std::vector<unsigned char> rolling = ReadBackBuffer(kWidth, kHeight);
    m_view->m_outlineFontBase = 0;
    Draw(Lost);
    EXPECT_EQ(ReadBackBuffer(kWidth, kHeight), rolling);
}

TEST_F(Scene, TheCourseAndTheBallAreDrawnAndNoStockScene)
{
    // The ball's cap is the only orange (0.9, 0.5, 0.3) in the scene.
    Draw(Rolling);
    EXPECT_GT(CountPixels(230, 128, 77), 20);
    EXPECT_LT(CountPixels(0, 0, 0), kWidth * kHeight / 2) << "the course fills the lower view";

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    m_view->DrawStockScene();
    EXPECT_EQ(CountPixels(0, 0, 0), kWidth * kHeight);

    // A fresh view on a fresh document: no lists, a black frame.
    DestroyFrame();
    m_doc.GetHeightField().Create(0, 0);
    CreateView();
    EXPECT_EQ(m_view->m_courseList, 0u);
    EXPECT_EQ(m_view->m_ballList, 0u);
    DrawSceneOnly();
    EXPECT_EQ(CountPixels(0, 0, 0), kWidth * kHeight);
}

} // namespace
