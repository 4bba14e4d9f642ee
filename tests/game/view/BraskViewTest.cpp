// CBraskView under Xvfb: the end words, the lists of an opened course, and
// the chase camera, read back from the matrices it leaves.
#include "game/view/BraskView.h"

#include "course/CellType.h"
#include "game/state/BraskDoc.h"
#include "tests/platform/WxTestEnvironment.h"

#include <wx/frame.h>

#include <GL/gl.h>

#include <array>
#include <cmath>

namespace {

TEST(BraskViewEndWords, OnlyAnEndedGameHasWords)
{
    EXPECT_STREQ(CBraskView::EndWords(Lost), "Game Over");
    EXPECT_STREQ(CBraskView::EndWords(Won), "You did it!");
    EXPECT_EQ(CBraskView::EndWords(Idle), nullptr);
    EXPECT_EQ(CBraskView::EndWords(Rolling), nullptr);
}

// A shown game view with a flat 10 x 10 course loaded.
class BraskView : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        m_frame = new wxFrame(nullptr, wxID_ANY, "Brask");
        m_view = new CBraskView(m_frame, m_doc);
        m_frame->SetClientSize(400, 300);
        m_frame->Show();
        ASSERT_TRUE(PumpUntil([this] { return m_view->IsCreated(); })) << "the view was never realized";
        LoadFlatCourse(10, 10);
    }

    void TearDown() override
    {
        if (m_frame == nullptr)
            return;
        m_frame->Destroy();
        PumpEventsOnce();
    }

    // As an opened course does: the document's new course, then the lists.
    void LoadFlatCourse(int width, int height)
    {
        m_doc.GetHeightField().Create(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                m_doc.GetHeightField().SetCell(x, y, HeightCell{Floor, {0, 0, 0, 0}, 0});
        m_view->BuildLists();
    }

    // The camera, read back from the modelview: lookAt's rotation R, then
    // the heights scaled by 0.2, make the matrix [R S | t], and the camera
    // (its height before the scaling) is -R^T t.
    static std::array<double, 3> Camera()
    {
        GLdouble m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        std::array<double, 3> eye{};
        for (int k = 0; k < 3; ++k)
            for (int i = 0; i < 3; ++i)
                eye[k] -= m[4 * k + i] / (k == 2 ? 0.2 : 1.0) * m[12 + i];
        return eye;
    }

    CBraskDoc m_doc;
    wxFrame* m_frame = nullptr;
    CBraskView* m_view = nullptr;
};

TEST_F(BraskView, OpeningACourseAgainLeavesNoExtraLists)
{
    const auto lists = [] {
        int count = 0;
        for (GLuint name = 1; name < 4096; ++name)
            count += glIsList(name) ? 1 : 0;
        return count;
    };
    const int before = lists();
    LoadFlatCourse(4, 3);
    EXPECT_EQ(lists(), before);
}

TEST_F(BraskView, TheCameraTrailsTheBallSevenCellsBehindAndLooksAtIt)
{
    // A ball 8 high: the camera wants to be at (-2.5, -2.5) and a quarter
    // of that plus 5 up. Far from there, it moves a step per frame.
    m_doc.SetBall(4.5, 4.5, 8.0, 0.0, 0.0, 0.0);
    m_view->ApplyViewTransform();
    const std::array<double, 3> from = Camera();
    ASSERT_LT(from[2], 6.0);
    m_view->ApplyViewTransform();
    const std::array<double, 3> to = Camera();
    const double steps[3] = {0.05, 0.05, 0.1};
    for (int axis = 0; axis < 3; ++axis)
        EXPECT_NEAR(std::fabs(to[axis] - from[axis]), steps[axis], 1e-4) << "axis " << axis;

    for (int frame = 0; frame < 200; ++frame)
        m_view->ApplyViewTransform();
    const std::array<double, 3> settled = Camera();
    EXPECT_NEAR(settled[0], -2.5, 1e-4);
    EXPECT_NEAR(settled[1], -2.5, 1e-4);
    EXPECT_NEAR(settled[2], 7.0, 1e-4);
    // It looks at the ball raised by a quarter of its height: straight ahead.
    GLdouble m[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, m);
    const double ball[3] = {4.5, 4.5, 0.25 * 8.0 / 0.2};
    for (int row = 0; row < 3; ++row) {
        const double seen = m[row] * ball[0] + m[4 + row] * ball[1] + m[8 + row] * ball[2] + m[12 + row];
        EXPECT_NEAR(seen, row < 2 ? 0.0 : -std::sqrt(7.0 * 7.0 * 2 + 5.0 * 5.0), 1e-4) << "row " << row;
    }

    // Its lens: 30 degrees high, from 0.1 to 25 away.
    m_view->OnSize(0, 400, 200);
    glGetDoublev(GL_PROJECTION_MATRIX, m);
    EXPECT_NEAR(m[5], 1.0 / std::tan(15.0 * M_PI / 180.0), 1e-5);
    EXPECT_NEAR(m[0], m[5] / 2, 1e-5);
    EXPECT_NEAR(m[10], -25.1 / 24.9, 1e-5);
    EXPECT_NEAR(m[14], -5.0 / 24.9, 1e-5);
}

} // namespace
