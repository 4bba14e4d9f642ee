#include "game/view/BallModel.h"

#include "FeedbackRecorder.h"
#include "OffscreenContext.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The corners of faces in one colour, one after the other.
std::vector<Expected> Faces(double red, double green, double blue, const std::vector<std::vector<double>>& corners)
{
    std::vector<Expected> out;
    for (const auto& c : corners)
        out.push_back({c[0], c[1], c[2], red, green, blue});
    return out;
}

TEST(BallModelTest, FourColouredSidesFromTheApexThenTheCap)
{
    ASSERT_TRUE(COffscreenContext::Shared().IsCurrent());
    const auto batches = CFeedbackRecorder::Record([] { CBallModel::DrawBallModel(); });
    ASSERT_EQ(batches.size(), 2u);

    std::vector<Expected> sides = Faces(0.2, 0.5, 0.6, {{0, 0, 0}, {0.3, 0.3, 3}, {0.3, -0.3, 3}});  // +x
    for (const auto& side : {Faces(0.3, 0.5, 0.5, {{0, 0, 0}, {-0.3, 0.3, 3}, {0.3, 0.3, 3}}),      // +y
                             Faces(0.4, 0.5, 0.4, {{0, 0, 0}, {-0.3, -0.3, 3}, {-0.3, 0.3, 3}}),    // -x
                             Faces(0.4, 0.5, 0.3, {{0, 0, 0}, {0.3, -0.3, 3}, {-0.3, -0.3, 3}})})   // -y
        sides.insert(sides.end(), side.begin(), side.end());
    ExpectPrimitive(batches[0], GL_TRIANGLES, sides);
    ExpectPrimitive(batches[1], GL_QUADS, Faces(0.9, 0.5, 0.3, {{0.3, 0.3, 3}, {-0.3, 0.3, 3}, {-0.3, -0.3, 3}, {0.3, -0.3, 3}}));
}

TEST(BallModelTest, ListSeenFromAboveShowsTheCapAndFromTheSideASide)
{
    COffscreenContext& gl = COffscreenContext::Shared();
    ASSERT_TRUE(gl.IsCurrent());
    const GLuint list = CBallModel::BuildBallList();
    ASSERT_NE(list, 0u);

    glViewport(0, 0, 20, 20);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.5, 0.5, -0.5, 0.5, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    // Looking down -z the cap is nearest; looking along -x from +x, the side
    // facing +x, between apex and cap.
    const struct {
        double turnY, turnX, shift;
        int red, green, blue;
    } views[] = {{0, 0, 0, 230, 128, 77}, {-90, -90, -1.5, 51, 128, 153}};
    for (const auto& v : views) {
        glLoadIdentity();
        glRotated(v.turnY, 0, 1, 0);
        glRotated(v.turnX, 1, 0, 0);
        glTranslated(0, 0, v.shift);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glCallList(list);
        const auto pixel = gl.Pixel(10, 10);
        EXPECT_NEAR(pixel[0], v.red, 1.5);
        EXPECT_NEAR(pixel[1], v.green, 1.5);
        EXPECT_NEAR(pixel[2], v.blue, 1.5);
    }
    glDisable(GL_DEPTH_TEST);
}

}  // namespace
