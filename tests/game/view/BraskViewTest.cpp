// CBraskView under Xvfb: the end words, the chase camera and the ball read
// back from the matrices and pixels it leaves, and the lists of a course.
#include "game/view/BraskView.h"

#include "game/state/BraskDoc.h"
#include "tests/support/WxTestEnvironment.h"

#include <wx/frame.h>

#include <GL/gl.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

TEST(BraskViewEndWords, OnlyAnEndedOrPausedGameHasWords)
{
    EXPECT_STREQ(CBraskView::EndWords(Lost), "Game Over");
    EXPECT_STREQ(CBraskView::EndWords(Won), "You did it!");
    EXPECT_TRUE(CBraskView::EndWords(Idle) == nullptr && CBraskView::EndWords(Rolling) == nullptr);
    EXPECT_STREQ(CBraskView::EndWords(Rolling, true), "Paused");
}

// How far from where it should be seen the modelview puts a course point
// (heights raw, as the scene draws them).
double Miss(const std::vector<double>& point, const std::vector<double>& seen)
{
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    double miss = 0;
    for (int row = 0; row < 3; ++row)
        miss += std::fabs(m[row] * point[0] + m[4 + row] * point[1] + m[8 + row] * point[2] + m[12 + row] - seen[row]);
    return miss;
}

// A shown 400 x 300 game view with a flat 10 x 10 course opened.
TEST(BraskView, TheCameraTrailsTheBallSevenCellsBehindAndACourseOpenedAgainLeavesNoExtraLists)
{
    BRASK_REQUIRE_DISPLAY();
    CBraskDoc doc;
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Brask");
    // Gone before the document it shows, however the test ends.
    const std::unique_ptr<wxFrame, void (*)(wxFrame*)> closing(frame, [](wxFrame* f) {
        f->Destroy();
        PumpEventsOnce();
    });
    auto* view = new CBraskView(frame, doc);
    frame->SetClientSize(400, 300);
    frame->Show();
    ASSERT_TRUE(PumpUntil([view] { return view->IsCreated(); })) << "the view was never realized";
    doc.GetHeightField().Create(10, 10);
    view->BuildLists();

    // Settled behind a ball 8 high, the camera is 7 cells behind in x and
    // y and 5 above the ball as drawn (heights are drawn at a fifth, 1.6
    // here); straight ahead lies the ball as drawn, on high ground too.
    doc.SetBall(4.5, 4.5, 8.0, 0.0, 0.0, 0.0);
    for (int step = 0; step < 200; ++step)
        view->ApplyViewTransform();
    EXPECT_LT(Miss({-2.5, -2.5, 6.6 / 0.2}, {0, 0, 0}), 1e-4) << "the camera";
    EXPECT_LT(Miss({4.5, 4.5, 8.0}, {0, 0, -std::sqrt(7.0 * 7.0 * 2 + 5.0 * 5.0)}), 1e-4) << "the ball";
    // It trails a ball on the move by 0.05 cells across and 0.1 up a frame.
    doc.SetBall(5.5, 5.5, 12.0, 0.0, 0.0, 0.0);
    view->ApplyViewTransform();
    EXPECT_LT(Miss({-2.45, -2.45, 6.7 / 0.2}, {0, 0, 0}), 1e-4) << "the camera a frame later";

    // In a frame, the ball's orange cap (0.9, 0.5, 0.3) shows.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    view->DrawScene();
    std::vector<unsigned char> p(400 * 300 * 3);
    glReadPixels(0, 0, 400, 300, GL_RGB, GL_UNSIGNED_BYTE, p.data());
    int orange = 0;
    for (size_t i = 0; i < p.size(); i += 3)
        orange += std::abs(p[i] - 230) + std::abs(p[i + 1] - 128) + std::abs(p[i + 2] - 77) <= 6;
    EXPECT_GT(orange, 20);

    // Opening and drawing a course builds its lists in place of the old course's.
    const auto lists = [] {
        int count = 0;
        for (GLuint name = 1; name < 4096; ++name)
            count += glIsList(name) ? 1 : 0;
        return count;
    };
    const int before = lists();
    doc.GetHeightField().Create(12, 10);  // as opening a course does: the course, then its lists
    view->BuildLists();
    view->DrawScene();
    EXPECT_EQ(lists(), before);
}

} // namespace
