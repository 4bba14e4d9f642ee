#include "game/view/BallModel.h"

#include "FeedbackRecorder.h"
#include "OffscreenContext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Corner {
    double x, y, z;
};

struct Face {
    const char* name;
    double red, green, blue;
    std::vector<Corner> corners;
};

void ExpectFaces(const FeedbackPrimitive& batch, GLenum mode, const std::vector<Face>& faces)
{
    EXPECT_EQ(batch.mode, mode);
    std::size_t i = 0;
    for (const Face& face : faces)
        for (const Corner& c : face.corners) {
            ASSERT_LT(i, batch.vertices.size());
            const FeedbackVertex& v = batch.vertices[i++];
            SCOPED_TRACE(std::string(face.name) + " corner " + std::to_string(i));
            EXPECT_NEAR(v.x, c.x, 1e-3);
            EXPECT_NEAR(v.y, c.y, 1e-3);
            EXPECT_NEAR(v.z, c.z, 1e-3);
            EXPECT_NEAR(v.red, face.red, 1e-6);
            EXPECT_NEAR(v.green, face.green, 1e-6);
            EXPECT_NEAR(v.blue, face.blue, 1e-6);
        }
    EXPECT_EQ(i, batch.vertices.size());
}

TEST(BallModelTest, FourColouredSidesFromTheApexThenTheCap)
{
    COffscreenContext& gl = COffscreenContext::Shared();
    ASSERT_TRUE(gl.IsCurrent());
    const auto batches = CFeedbackRecorder::Record([] { CBallModel::DrawBallModel(); });
    ASSERT_EQ(batches.size(), 2u);

    ExpectFaces(batches[0], GL_TRIANGLES,
                {{"+x side", 0.2, 0.5, 0.6, {{0, 0, 0}, {0.3, 0.3, 3}, {0.3, -0.3, 3}}},
                 {"+y side", 0.3, 0.5, 0.5, {{0, 0, 0}, {-0.3, 0.3, 3}, {0.3, 0.3, 3}}},
                 {"-x side", 0.4, 0.5, 0.4, {{0, 0, 0}, {-0.3, -0.3, 3}, {-0.3, 0.3, 3}}},
                 {"-y side", 0.4, 0.5, 0.3, {{0, 0, 0}, {0.3, -0.3, 3}, {-0.3, -0.3, 3}}}});
    ExpectFaces(batches[1], GL_QUADS,
                {{"cap", 0.9, 0.5, 0.3, {{0.3, 0.3, 3}, {-0.3, 0.3, 3}, {-0.3, -0.3, 3}, {0.3, -0.3, 3}}}});
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
    glOrtho(-0.5, 0.5, -0.5, 0.5, -10, 10);  // looking down -z: the cap is nearest
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glCallList(list);
    const auto cap = gl.Pixel(10, 10);
    EXPECT_NEAR(cap[0], 0.9 * 255, 1.5);
    EXPECT_NEAR(cap[1], 0.5 * 255, 1.5);
    EXPECT_NEAR(cap[2], 0.3 * 255, 1.5);

    // Looking along -x from +x: the side facing +x, between apex and cap.
    glLoadIdentity();
    glRotated(-90, 0, 1, 0);
    glRotated(-90, 1, 0, 0);
    glTranslated(0, 0, -1.5);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glCallList(list);
    const auto side = gl.Pixel(10, 10);
    EXPECT_NEAR(side[0], 0.2 * 255, 1.5);
    EXPECT_NEAR(side[1], 0.5 * 255, 1.5);
    EXPECT_NEAR(side[2], 0.6 * 255, 1.5);
    glDisable(GL_DEPTH_TEST);
}

}  // namespace
