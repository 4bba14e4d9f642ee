// The ball as GL emits it: four coloured sides from the apex up to an
// orange cap.
#include "game/view/BallModel.h"

#include "tests/game/view/GLRecorder.h"

#include <gtest/gtest.h>

namespace {

TEST(BallModel, FourSidesFromTheApexUpToAnOrangeCap)
{
    // Each side runs from the apex at the origin to two corners of the cap,
    // 0.3 out and 3 up.
    const double s = 0.3, h = 3;
    const struct {
        double red, green, blue, ax, ay, bx, by;
    } sides[] = {
        {0.2, 0.5, 0.6, s, s, s, -s},    // facing +x
        {0.3, 0.5, 0.5, -s, s, s, s},    // facing +y
        {0.4, 0.5, 0.4, -s, -s, -s, s},  // facing -x
        {0.4, 0.5, 0.3, s, -s, -s, -s},  // facing -y
    };
    const auto polygons = Record(CBallModel::DrawBallModel);
    ASSERT_GE(polygons.size(), 5u);
    for (int k = 0; k < 4; ++k) {
        const auto& side = sides[k];
        ASSERT_EQ(polygons[k].size(), 3u);
        EXPECT_TRUE(Near(polygons[k][0], {0, 0, 0, side.red, side.green, side.blue})) << "side " << k;
        EXPECT_TRUE(Near(polygons[k][1], {side.ax, side.ay, h, side.red, side.green, side.blue})) << "side " << k;
        EXPECT_TRUE(Near(polygons[k][2], {side.bx, side.by, h, side.red, side.green, side.blue})) << "side " << k;
    }
    double capArea = 0;
    for (size_t i = 4; i < polygons.size(); ++i) {
        for (const Corner& c : polygons[i])
            EXPECT_TRUE(Near(c, {c.x, c.y, h, 0.9, 0.5, 0.3})) << "the cap";
        capArea += Area(polygons[i], &Corner::x, &Corner::y);
    }
    EXPECT_NEAR(capArea, 2 * s * 2 * s, 1e-3);
}

} // namespace
