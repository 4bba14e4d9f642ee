// The course mesh as GL emits it: top colours, the walls' strips and where
// they stand.
#include "game/view/CourseMesh.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "tests/game/view/GLRecorder.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

namespace {

constexpr double kNear = 1e-3;  // depths come back as floats

// Whether some polygon has the corner, so placed and coloured.
bool Has(const std::vector<Polygon>& polygons, const Corner& want)
{
    for (const Polygon& p : polygons) {
        for (const Corner& c : p) {
            if (Near(c, want))
                return true;
        }
    }
    return false;
}

Corner Grey(double x, double y, double z, double g)
{
    return {x, y, z, g, g, g};
}

TEST(CourseMesh, EachCellTypeHasAFlatTopColourAndAHoleNoTop)
{
    const struct {
        std::int16_t type;
        double red, green, blue;
    } cells[] = {
        {Start, 0.2, 0.2, 0.4}, {Finish, 0.4, 0.3, 0.3},   {Ice, 0.4, 0.6, 1.0},  {Mud, 0.5, 0.5, 0.1},
        {Mpull, 0.45, 0.25, 0.55}, {Mpush, 0.25, 0.55, 0.3}, {9, 0.6, 0.35, 0.4}, {Hole, 0, 0, 0},
    };
    CHeightField grid;
    grid.Create(8, 1);
    for (int x = 0; x < 8; ++x)
        grid.SetCell(x, 0, HeightCell{cells[x].type, {0, 0, 0, 0}, 0});
    // All at height 0: no walls, every polygon a top. Drawn from its list.
    std::vector<double> area(8);
    for (const Polygon& p : Record([&grid] { glCallList(CCourseMesh::BuildCourseList(grid)); })) {
        const int x = static_cast<int>(std::floor((p[0].x + p[1].x + p[2].x) / 3));
        ASSERT_TRUE(x >= 0 && x < 8);
        area[x] += Area(p, &Corner::x, &Corner::y);
        for (const Corner& c : p)
            EXPECT_TRUE(Near(c, {c.x, c.y, 0, cells[x].red, cells[x].green, cells[x].blue})) << "cell " << x;
    }
    for (int x = 0; x < 8; ++x)
        EXPECT_NEAR(area[x], cells[x].type == Hole ? 0.0 : 1.0, kNear) << "cell " << x;
}

// Each wall here stands on the edge from P = (2, 3) to Q = (2, 4), between
// line A from (P, pa) to (Q, qa) and line B from (P, pb) to (Q, qb), shaded
// dark where A leaves P to light where B reaches Q.
TEST(CourseMesh, AWallIsTheStripBetweenTwoLines)
{
    const struct {
        int pa, pb, qa, qb;
        std::vector<Corner> corners;
    } cases[] = {
        {4, 4, 7, 7, {}},
        {3, 3, 0, 8, {Grey(2, 3, 3, 0.05), Grey(2, 4, 0, 0.2), Grey(2, 4, 8, 0.35), Grey(2, 3, 3, 0.2)}},
        // Lines that cross meet where their gaps (6 at P, 3 at Q) are in
        // proportion, two thirds along: two triangles.
        {0, 6, 3, 0,
         {Grey(2, 3, 6, 0.2), Grey(2, 3, 0, 0.2), Grey(2, 3 + 2.0 / 3, 2, 0.05), Grey(2, 4, 3, 0.2),
          Grey(2, 4, 0, 0.2)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pa << " " << c.pb << " " << c.qa << " " << c.qb);
        const auto polygons = Record([&c] { CCourseMesh::DrawWall(2, 3, c.pa, c.pb, 2, 4, c.qa, c.qb); });
        EXPECT_EQ(polygons.empty(), c.corners.empty());
        for (const Corner& corner : c.corners)
            EXPECT_TRUE(Has(polygons, corner)) << corner.x << ", " << corner.y << ", " << corner.z;
    }
}

TEST(CourseMesh, ARaisedFloorIsOneRampColouredTopWalledAllRound)
{
    CHeightField grid;
    grid.Create(3, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            grid.SetCell(x, y, HeightCell{Floor, {10, 10, 10, 10}, 0});
    const auto polygons = Record([&grid] { CCourseMesh::DrawCourse(grid); });

    // The ramp's colour at height 10, its blue dimmed at the first corner
    // and raised at the opposite one, so that a flat run shows a gradient.
    EXPECT_TRUE(Has(polygons, {0, 0, 10, 0.02, 0.12, 0.37 * 0.3}));
    EXPECT_TRUE(Has(polygons, {3, 0, 10, 0.02, 0.12, 0.37}));
    EXPECT_TRUE(Has(polygons, {3, 2, 10, 0.02, 0.12, 0.37 * 1.5}));
    EXPECT_TRUE(Has(polygons, {0, 2, 10, 0.02, 0.12, 0.37}));

    // Walls from 0 up to 10 along each border, and nothing else but the top.
    double west = 0, east = 0, south = 0, north = 0, top = 0;
    for (const Polygon& p : polygons) {
        const auto on = [&p](double Corner::*axis, double at) {
            for (const Corner& c : p) {
                if (std::fabs(c.*axis - at) > kNear)
                    return false;
            }
            return true;
        };
        if (on(&Corner::x, 0))
            west += Area(p, &Corner::y, &Corner::z);
        else if (on(&Corner::x, 3))
            east += Area(p, &Corner::y, &Corner::z);
        else if (on(&Corner::y, 0))
            south += Area(p, &Corner::x, &Corner::z);
        else if (on(&Corner::y, 2))
            north += Area(p, &Corner::x, &Corner::z);
        else
            top += on(&Corner::z, 10) ? Area(p, &Corner::x, &Corner::y) : 1000;
    }
    EXPECT_NEAR(west, 20, kNear);
    EXPECT_NEAR(east, 20, kNear);
    EXPECT_NEAR(south, 30, kNear);
    EXPECT_NEAR(north, 30, kNear);
    EXPECT_NEAR(top, 6, kNear);
}

} // namespace
