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
    ExpectPrimitive(batches[1], GL_QUADS,
                    Faces(0.9, 0.5, 0.3, {{0.3, 0.3, 3}, {-0.3, 0.3, 3}, {-0.3, -0.3, 3}, {0.3, -0.3, 3}}));
}

}  // namespace
