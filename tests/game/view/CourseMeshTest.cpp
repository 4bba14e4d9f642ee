#include "game/view/CourseMesh.h"

#include "FeedbackRecorder.h"
#include "OffscreenContext.h"
#include "course/CellType.h"
#include "course/HeightField.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace {

Expected Grey(double x, double y, double z, double g)
{
    return {x, y, z, g, g, g};
}

// A wall quad from (x0, y0) to (x1, y1): bottom at a0 and b0, top at a1 and b1,
// shaded dark to light from the first bottom corner.
std::vector<Expected> Wall(double x0, double y0, double x1, double y1, double a0, double b0, double b1, double a1)
{
    return {Grey(x0, y0, a0, 0.05), Grey(x1, y1, b0, 0.2), Grey(x1, y1, b1, 0.35), Grey(x0, y0, a1, 0.2)};
}

// The Floor ramp before the corner tweaks.
std::array<double, 3> Ramp(double h)
{
    return {0.002 * h, 0.002 * h + 0.1, 0.007 * h + 0.3};
}

// Tops span an area seen from above; walls stand on a grid line.
bool IsTop(const FeedbackPrimitive& p)
{
    auto [minX, maxX] = std::minmax_element(p.vertices.begin(), p.vertices.end(),
                                            [](const FeedbackVertex& a, const FeedbackVertex& b) { return a.x < b.x; });
    auto [minY, maxY] = std::minmax_element(p.vertices.begin(), p.vertices.end(),
                                            [](const FeedbackVertex& a, const FeedbackVertex& b) { return a.y < b.y; });
    return maxX->x - minX->x > kPlaceTolerance && maxY->y - minY->y > kPlaceTolerance;
}

std::vector<FeedbackPrimitive> Select(const std::vector<FeedbackPrimitive>& all, bool tops)
{
    std::vector<FeedbackPrimitive> out;
    std::copy_if(all.begin(), all.end(), std::back_inserter(out), [tops](const auto& p) { return IsTop(p) == tops; });
    return out;
}

class CourseMeshTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_gl.IsCurrent()) << "no offscreen GL context"; }

    void Make(int width, int height, std::int16_t type = Floor, std::int16_t level = 0)
    {
        m_grid.Create(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                Set(x, y, type, level, level, level, level);
    }

    void Set(int x, int y, std::int16_t type, std::int16_t c0, std::int16_t c1, std::int16_t c2, std::int16_t c3)
    {
        m_grid.SetCell(x, y, HeightCell{type, {c0, c1, c2, c3}, 0});
    }

    std::vector<FeedbackPrimitive> Emit()
    {
        return CFeedbackRecorder::Record([this] { CCourseMesh::DrawCourse(m_grid); });
    }

    COffscreenContext& m_gl = COffscreenContext::Shared();
    CHeightField m_grid;
};

TEST_F(CourseMeshTest, PlanarOneTypeCourseIsOneTopQuadWithTheOuterCornersColours)
{
    // Heights 2 + x + 2y at every corner: one plane across all twelve cells.
    m_grid.Create(4, 3);
    const auto h = [](int cx, int cy) { return static_cast<std::int16_t>(2 + cx + 2 * cy); };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            Set(x, y, Floor, h(x, y), h(x + 1, y), h(x + 1, y + 1), h(x, y + 1));
    const auto all = Emit();
    const auto tops = Select(all, true);
    ASSERT_EQ(tops.size(), 1u);

    const auto r0 = Ramp(2), r1 = Ramp(6), r2 = Ramp(12), r3 = Ramp(8);
    ExpectPrimitive(tops[0], GL_QUADS,
                    {{0, 0, 2, r0[0], r0[1], r0[2] * 0.3},
                     {4, 0, 6, r1[0], r1[1], r1[2]},
                     {4, 3, 12, r2[0], r2[1], r2[2] * 1.5},
                     {0, 3, 8, r3[0], r3[1], r3[2]}});
    // Only the border: 2 x (4 + 3) edges, none inside.
    EXPECT_EQ(Select(all, false).size(), 14u);
}

TEST_F(CourseMeshTest, HoleHasNoTopButWallsFromItsStoredHeights)
{
    Make(3, 1, Floor, 2);
    Set(1, 0, Hole, 5, 5, 5, 5);
    const auto all = Emit();

    const auto tops = Select(all, true);
    ASSERT_EQ(tops.size(), 2u);
    EXPECT_NEAR(tops[0].vertices[1].x, 1.0, kPlaceTolerance);
    EXPECT_NEAR(tops[1].vertices[0].x, 2.0, kPlaceTolerance);

    // Cell (0, 0) gives west, south, north and its east edge; the hole its
    // south, north and east edge; cell (2, 0) south, east, north.
    const auto walls = Select(all, false);
    ASSERT_EQ(walls.size(), 10u);
    ExpectPrimitive(walls[3], GL_QUADS, Wall(1, 0, 1, 1, 2, 2, 5, 5));
    ExpectPrimitive(walls[4], GL_QUADS, Wall(1, 0, 2, 0, 0, 0, 5, 5));
    ExpectPrimitive(walls[6], GL_QUADS, Wall(2, 0, 2, 1, 5, 5, 2, 2));
}

TEST_F(CourseMeshTest, TypeChangeSplitsACoplanarRun)
{
    Make(2, 1, Floor, 4);
    Set(1, 0, Ice, 4, 4, 4, 4);
    const auto all = Emit();
    const auto tops = Select(all, true);
    ASSERT_EQ(tops.size(), 2u);

    EXPECT_NEAR(tops[0].vertices[1].x, 1.0, kPlaceTolerance);
    EXPECT_NEAR(tops[1].vertices[0].x, 1.0, kPlaceTolerance);
    // Equal heights along the shared edge: border walls only.
    EXPECT_EQ(Select(all, false).size(), 6u);
}

TEST_F(CourseMeshTest, OppositeSlopesMakeACrossingWallMeetingAtHeightFive)
{
    // The shared edge x = 1 has pa = 0, pb = 10 at (1, 0) and qa = 10, qb = 0 at (1, 1).
    m_grid.Create(2, 1);
    Set(0, 0, Floor, 0, 0, 10, 10);
    Set(1, 0, Floor, 10, 10, 0, 0);

    int crossings = 0;
    for (const FeedbackPrimitive& p : Emit()) {
        if (p.mode != GL_TRIANGLES)
            continue;
        ++crossings;
        ExpectPrimitive(p, GL_TRIANGLES,
                        {Grey(1, 0, 10, 0.2), Grey(1, 0, 0, 0.2), Grey(1, 0.5, 5, 0.05), Grey(1, 0.5, 5, 0.05),
                         Grey(1, 1, 10, 0.2), Grey(1, 1, 0, 0.2)});
    }
    EXPECT_EQ(crossings, 1);
}

TEST_F(CourseMeshTest, OneByOneCourseMakesFourBorderWallsInOrder)
{
    m_grid.Create(1, 1);
    Set(0, 0, Floor, 1, 2, 3, 4);
    const auto all = Emit();
    ASSERT_EQ(all.size(), 5u);
    EXPECT_TRUE(IsTop(all[0]));
    ExpectPrimitive(all[1], GL_QUADS, Wall(0, 0, 0, 1, 0, 0, 4, 1));  // west
    ExpectPrimitive(all[2], GL_QUADS, Wall(0, 0, 1, 0, 0, 0, 2, 1));  // south
    ExpectPrimitive(all[3], GL_QUADS, Wall(1, 0, 1, 1, 0, 0, 3, 2));  // east
    ExpectPrimitive(all[4], GL_QUADS, Wall(0, 1, 1, 1, 0, 0, 3, 4));  // north
}

TEST_F(CourseMeshTest, EachTypeHasAFlatColourOfItsOwn)
{
    struct Case {
        std::int16_t type;
        double red, green, blue;
    };
    const Case cases[] = {
        {Start, 0.2, 0.2, 0.4},    {Finish, 0.4, 0.3, 0.3},   {Ice, 0.4, 0.6, 1.0},
        {Mud, 0.5, 0.5, 0.1},      {Mpull, 0.45, 0.25, 0.55}, {Mpush, 0.25, 0.55, 0.3},
        {0, 0.6, 0.35, 0.4},       {9, 0.6, 0.35, 0.4},       {-5, 0.6, 0.35, 0.4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.type));
        m_grid.Create(1, 1);
        Set(0, 0, c.type, 7, 9, 11, 9);
        const auto tops = Select(Emit(), true);
        ASSERT_EQ(tops.size(), 1u);
        for (const FeedbackVertex& v : tops[0].vertices) {
            EXPECT_NEAR(v.red, c.red, 1e-6);
            EXPECT_NEAR(v.green, c.green, 1e-6);
            EXPECT_NEAR(v.blue, c.blue, 1e-6);
        }
    }
}

// Every case runs along the edge from P = (2, 3) to Q = (2, 4).
TEST_F(CourseMeshTest, AWallIsTheStripBetweenTheTwoLines)
{
    struct Case {
        const char* name;
        int pa, pb, qa, qb;
        GLenum mode;  // 0: no wall
        std::vector<Expected> vertices;
    };
    const double third = 3 + 2.0 / 3;
    const Case cases[] = {
        {"level", 4, 4, 7, 7, 0, {}},
        {"meet at P", 3, 3, 0, 8, GL_QUADS, Wall(2, 3, 2, 4, 3, 0, 8, 3)},
        {"cross two thirds along", 0, 6, 3, 0, GL_TRIANGLES,
         {Grey(2, 3, 6, 0.2), Grey(2, 3, 0, 0.2), Grey(2, third, 2, 0.05), Grey(2, third, 2, 0.05),
          Grey(2, 4, 3, 0.2), Grey(2, 4, 0, 0.2)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto all = CFeedbackRecorder::Record([&c] { CCourseMesh::DrawWall(2, 3, c.pa, c.pb, 2, 4, c.qa, c.qb); });
        ASSERT_EQ(all.size(), c.mode == 0 ? 0u : 1u);
        if (c.mode != 0)
            ExpectPrimitive(all[0], c.mode, c.vertices);
    }
}

// Random small courses: the top quads tile every non-hole cell exactly once,
// each corner takes the height of the cell that owns it, and there is one
// wall for every edge whose two sides differ (the border counting as 0).
TEST_F(CourseMeshTest, RandomCoursesTileTheirCellsAndWallEveryStep)
{
    std::mt19937 rng(4242);
    auto uniform = [&rng](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const std::int16_t types[] = {Floor, Floor, Floor, Ice, Hole, Start};

    for (int round = 0; round < 150; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const int width = uniform(1, 6), height = uniform(1, 6);
        // A few planes, so that runs grow; now and then a corner out of line.
        const int base = uniform(-3, 5), slopeX = uniform(-2, 2), slopeY = uniform(-2, 2);
        const auto h = [&](int cx, int cy) {
            const int bump = uniform(0, 7) == 0 ? uniform(-3, 3) : 0;
            return static_cast<std::int16_t>(base + slopeX * cx + slopeY * cy + bump);
        };
        m_grid.Create(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                Set(x, y, types[uniform(0, 5)], h(x, y), h(x + 1, y), h(x + 1, y + 1), h(x, y + 1));
        const auto all = Emit();

        std::vector<int> covered(width * height, 0);
        const auto tops = Select(all, true);
        for (const FeedbackPrimitive& p : tops) {
            ASSERT_EQ(p.vertices.size(), 4u);
            const int x0 = static_cast<int>(std::lround(p.vertices[0].x));
            const int y0 = static_cast<int>(std::lround(p.vertices[0].y));
            const int x1 = static_cast<int>(std::lround(p.vertices[2].x));
            const int y1 = static_cast<int>(std::lround(p.vertices[2].y));
            ASSERT_TRUE(0 <= x0 && x0 < x1 && x1 <= width && 0 <= y0 && y0 < y1 && y1 <= height);
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) {
                    ++covered[x + y * width];
                    EXPECT_EQ(m_grid.GetCell(x, y).type, m_grid.GetCell(x0, y0).type);
                }
            EXPECT_NEAR(p.vertices[0].z, m_grid.GetCell(x0, y0).corner[0], kPlaceTolerance);
            EXPECT_NEAR(p.vertices[1].z, m_grid.GetCell(x1 - 1, y0).corner[1], kPlaceTolerance);
            EXPECT_NEAR(p.vertices[2].z, m_grid.GetCell(x1 - 1, y1 - 1).corner[2], kPlaceTolerance);
            EXPECT_NEAR(p.vertices[3].z, m_grid.GetCell(x0, y1 - 1).corner[3], kPlaceTolerance);
        }

        int steps = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const HeightCell& c = m_grid.GetCell(x, y);
                EXPECT_EQ(covered[x + y * width], c.type == Hole ? 0 : 1) << x << ", " << y;
                const HeightCell* east = x + 1 < width ? &m_grid.GetCell(x + 1, y) : nullptr;
                const HeightCell* north = y + 1 < height ? &m_grid.GetCell(x, y + 1) : nullptr;
                steps += (x == 0) && (c.corner[0] != 0 || c.corner[3] != 0);
                steps += (y == 0) && (c.corner[0] != 0 || c.corner[1] != 0);
                steps += !east ? (c.corner[1] != 0 || c.corner[2] != 0)
                               : (c.corner[1] != east->corner[0] || c.corner[2] != east->corner[3]);
                steps += !north ? (c.corner[3] != 0 || c.corner[2] != 0)
                                : (c.corner[3] != north->corner[0] || c.corner[2] != north->corner[1]);
            }
        EXPECT_EQ(all.size() - tops.size(), static_cast<std::size_t>(steps));
    }
}

// The recorded list, drawn from straight above into pixels: each cell's flat
// colour at its centre, the background through the hole; each build takes a
// fresh name.
TEST_F(CourseMeshTest, ListDrawsEveryTopAndEachBuildTakesAFreshName)
{
    struct Case {
        std::int16_t type;
        int x, y;
        double red, green, blue;
    };
    const Case cells[] = {
        {Start, 0, 0, 0.2, 0.2, 0.4}, {Finish, 1, 0, 0.4, 0.3, 0.3}, {Ice, 2, 0, 0.4, 0.6, 1.0},
        {Mud, 0, 1, 0.5, 0.5, 0.1},   {Hole, 1, 1, 0.0, 0.0, 0.0},   {Mpush, 2, 1, 0.25, 0.55, 0.3},
    };
    Make(3, 2);
    for (const Case& c : cells)
        Set(c.x, c.y, c.type, 0, 0, 0, 0);
    const GLuint first = CCourseMesh::BuildCourseList(m_grid);
    const GLuint second = CCourseMesh::BuildCourseList(m_grid);
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    EXPECT_NE(first, second);

    for (GLuint list : {first, second}) {
        glViewport(0, 0, 60, 40);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 3, 0, 2, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glCallList(list);
        for (const Case& c : cells) {
            SCOPED_TRACE("list " + std::to_string(list) + " type " + std::to_string(c.type));
            const std::array<int, 3> pixel = m_gl.Pixel(c.x * 20 + 10, c.y * 20 + 10);
            EXPECT_NEAR(pixel[0], c.red * 255, 1.5);
            EXPECT_NEAR(pixel[1], c.green * 255, 1.5);
            EXPECT_NEAR(pixel[2], c.blue * 255, 1.5);
        }
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
