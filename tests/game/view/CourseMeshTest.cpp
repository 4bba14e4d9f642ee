#include "game/view/CourseMesh.h"

#include "FeedbackRecorder.h"
#include "OffscreenContext.h"
#include "course/CellType.h"
#include "course/HeightField.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kPlaceTolerance = 1e-3;  // depth comes back as a float
constexpr double kColourTolerance = 1e-6;

// Where a vertex should be and its colour.
struct Expected {
    double x, y, z;
    double red, green, blue;
};

Expected Grey(double x, double y, double z, double g)
{
    return {x, y, z, g, g, g};
}

// The Floor ramp before the corner tweaks.
std::array<double, 3> Ramp(double h)
{
    return {0.002 * h, 0.002 * h + 0.1, 0.007 * h + 0.3};
}

std::string Describe(const FeedbackVertex& v)
{
    return "(" + std::to_string(v.x) + ", " + std::to_string(v.y) + ", " + std::to_string(v.z) + ") colour (" +
           std::to_string(v.red) + ", " + std::to_string(v.green) + ", " + std::to_string(v.blue) + ")";
}

void ExpectPrimitive(const FeedbackPrimitive& actual, GLenum mode, const std::vector<Expected>& expected)
{
    EXPECT_EQ(actual.mode, mode);
    ASSERT_EQ(actual.vertices.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const FeedbackVertex& v = actual.vertices[i];
        const Expected& e = expected[i];
        SCOPED_TRACE("vertex " + std::to_string(i) + " is " + Describe(v));
        EXPECT_NEAR(v.x, e.x, kPlaceTolerance);
        EXPECT_NEAR(v.y, e.y, kPlaceTolerance);
        EXPECT_NEAR(v.z, e.z, kPlaceTolerance);
        EXPECT_NEAR(v.red, std::clamp(e.red, 0.0, 1.0), kColourTolerance);
        EXPECT_NEAR(v.green, std::clamp(e.green, 0.0, 1.0), kColourTolerance);
        EXPECT_NEAR(v.blue, std::clamp(e.blue, 0.0, 1.0), kColourTolerance);
    }
}

// Tops span an area seen from above; walls stand on a grid line.
bool IsTop(const FeedbackPrimitive& p)
{
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (const FeedbackVertex& v : p.vertices) {
        minX = std::min(minX, v.x);
        maxX = std::max(maxX, v.x);
        minY = std::min(minY, v.y);
        maxY = std::max(maxY, v.y);
    }
    return maxX - minX > kPlaceTolerance && maxY - minY > kPlaceTolerance;
}

std::vector<FeedbackPrimitive> Select(const std::vector<FeedbackPrimitive>& all, bool tops)
{
    std::vector<FeedbackPrimitive> out;
    for (const FeedbackPrimitive& p : all)
        if (IsTop(p) == tops)
            out.push_back(p);
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
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const auto h = [](int cx, int cy) { return static_cast<std::int16_t>(2 + cx + 2 * cy); };
            Set(x, y, Floor, h(x, y), h(x + 1, y), h(x + 1, y + 1), h(x, y + 1));
        }
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
    EXPECT_NEAR(tops[0].vertices[0].x, 0.0, kPlaceTolerance);
    EXPECT_NEAR(tops[0].vertices[1].x, 1.0, kPlaceTolerance);
    EXPECT_NEAR(tops[1].vertices[0].x, 2.0, kPlaceTolerance);
    EXPECT_NEAR(tops[1].vertices[1].x, 3.0, kPlaceTolerance);

    // Cell (0, 0) gives west, south, north and its east edge; the hole its
    // south, north and east edge; cell (2, 0) south, east, north.
    const auto walls = Select(all, false);
    ASSERT_EQ(walls.size(), 10u);
    ExpectPrimitive(walls[3], GL_QUADS,
                    {Grey(1, 0, 2, 0.05), Grey(1, 1, 2, 0.2), Grey(1, 1, 5, 0.35), Grey(1, 0, 5, 0.2)});
    ExpectPrimitive(walls[4], GL_QUADS,
                    {Grey(1, 0, 0, 0.05), Grey(2, 0, 0, 0.2), Grey(2, 0, 5, 0.35), Grey(1, 0, 5, 0.2)});
    ExpectPrimitive(walls[5], GL_QUADS,
                    {Grey(1, 1, 0, 0.05), Grey(2, 1, 0, 0.2), Grey(2, 1, 5, 0.35), Grey(1, 1, 5, 0.2)});
    ExpectPrimitive(walls[6], GL_QUADS,
                    {Grey(2, 0, 5, 0.05), Grey(2, 1, 5, 0.2), Grey(2, 1, 2, 0.35), Grey(2, 0, 2, 0.2)});
}

TEST_F(CourseMeshTest, TypeChangeSplitsACoplanarRun)
{
    Make(2, 1, Floor, 4);
    Set(1, 0, Ice, 4, 4, 4, 4);
    const auto all = Emit();
    const auto tops = Select(all, true);
    ASSERT_EQ(tops.size(), 2u);

    const auto r = Ramp(4);
    ExpectPrimitive(tops[0], GL_QUADS,
                    {{0, 0, 4, r[0], r[1], r[2] * 0.3},
                     {1, 0, 4, r[0], r[1], r[2]},
                     {1, 1, 4, r[0], r[1], r[2] * 1.5},
                     {0, 1, 4, r[0], r[1], r[2]}});
    ExpectPrimitive(tops[1], GL_QUADS,
                    {{1, 0, 4, 0.4, 0.6, 1.0}, {2, 0, 4, 0.4, 0.6, 1.0}, {2, 1, 4, 0.4, 0.6, 1.0}, {1, 1, 4, 0.4, 0.6, 1.0}});
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
    ExpectPrimitive(all[1], GL_QUADS,  // west
                    {Grey(0, 0, 0, 0.05), Grey(0, 1, 0, 0.2), Grey(0, 1, 4, 0.35), Grey(0, 0, 1, 0.2)});
    ExpectPrimitive(all[2], GL_QUADS,  // south
                    {Grey(0, 0, 0, 0.05), Grey(1, 0, 0, 0.2), Grey(1, 0, 2, 0.35), Grey(0, 0, 1, 0.2)});
    ExpectPrimitive(all[3], GL_QUADS,  // east
                    {Grey(1, 0, 0, 0.05), Grey(1, 1, 0, 0.2), Grey(1, 1, 3, 0.35), Grey(1, 0, 2, 0.2)});
    ExpectPrimitive(all[4], GL_QUADS,  // north
                    {Grey(0, 1, 0, 0.05), Grey(1, 1, 0, 0.2), Grey(1, 1, 3, 0.35), Grey(0, 1, 4, 0.2)});
}

TEST_F(CourseMeshTest, BorderEdgesAtHeightZeroAndLevelSharedEdgesHaveNoWall)
{
    // Cell (0, 0) lies at 0; cell (1, 0) rises to 3 along its east side.
    m_grid.Create(2, 1);
    Set(0, 0, Floor, 0, 0, 0, 0);
    Set(1, 0, Floor, 0, 3, 3, 0);
    const auto walls = Select(Emit(), false);

    // South and north of cell (1, 0), each meeting the ground at x = 1, and its east side.
    ASSERT_EQ(walls.size(), 3u);
    ExpectPrimitive(walls[0], GL_QUADS,
                    {Grey(1, 0, 0, 0.05), Grey(2, 0, 0, 0.2), Grey(2, 0, 3, 0.35), Grey(1, 0, 0, 0.2)});
    ExpectPrimitive(walls[1], GL_QUADS,
                    {Grey(2, 0, 0, 0.05), Grey(2, 1, 0, 0.2), Grey(2, 1, 3, 0.35), Grey(2, 0, 3, 0.2)});
    ExpectPrimitive(walls[2], GL_QUADS,
                    {Grey(1, 1, 0, 0.05), Grey(2, 1, 0, 0.2), Grey(2, 1, 3, 0.35), Grey(1, 1, 0, 0.2)});
}

struct FlatCase {
    std::int16_t type;
    double red, green, blue;
};

void PrintTo(const FlatCase& c, std::ostream* os)
{
    *os << "type " << c.type;
}

class FlatColourTest : public CourseMeshTest, public ::testing::WithParamInterface<FlatCase> {};

TEST_P(FlatColourTest, AllFourCornersShareTheTypesColour)
{
    m_grid.Create(1, 1);
    Set(0, 0, GetParam().type, 7, 9, 11, 9);
    const auto tops = Select(Emit(), true);
    ASSERT_EQ(tops.size(), 1u);
    const auto& c = GetParam();
    ExpectPrimitive(tops[0], GL_QUADS,
                    {{0, 0, 7, c.red, c.green, c.blue},
                     {1, 0, 9, c.red, c.green, c.blue},
                     {1, 1, 11, c.red, c.green, c.blue},
                     {0, 1, 9, c.red, c.green, c.blue}});
}

INSTANTIATE_TEST_SUITE_P(Types, FlatColourTest,
                         ::testing::Values(FlatCase{Start, 0.2, 0.2, 0.4}, FlatCase{Finish, 0.4, 0.3, 0.3},
                                           FlatCase{Ice, 0.4, 0.6, 1.0}, FlatCase{Mud, 0.5, 0.5, 0.1},
                                           FlatCase{Mpull, 0.45, 0.25, 0.55}, FlatCase{Mpush, 0.25, 0.55, 0.3},
                                           FlatCase{0, 0.6, 0.35, 0.4}, FlatCase{9, 0.6, 0.35, 0.4},
                                           FlatCase{-5, 0.6, 0.35, 0.4}));

struct WallCase {
    const char* name;
    int pa, pb, qa, qb;
    GLenum mode;  // 0: no wall
    std::vector<Expected> vertices;
};

void PrintTo(const WallCase& c, std::ostream* os)
{
    *os << c.name;
}

class WallTest : public CourseMeshTest, public ::testing::WithParamInterface<WallCase> {};

// Every case runs along the edge from P = (2, 3) to Q = (2, 4).
TEST_P(WallTest, EmitsTheStripBetweenTheTwoLines)
{
    const WallCase& c = GetParam();
    const auto all = CFeedbackRecorder::Record([&c] { CCourseMesh::DrawWall(2, 3, c.pa, c.pb, 2, 4, c.qa, c.qb); });
    if (c.mode == 0) {
        EXPECT_TRUE(all.empty());
        return;
    }
    ASSERT_EQ(all.size(), 1u);
    ExpectPrimitive(all[0], c.mode, c.vertices);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, WallTest,
    ::testing::Values(
        WallCase{"Level", 4, 4, 7, 7, 0, {}},
        WallCase{"BAboveA",
                 1, 5, 2, 6, GL_QUADS,
                 {Grey(2, 3, 1, 0.05), Grey(2, 4, 2, 0.2), Grey(2, 4, 6, 0.35), Grey(2, 3, 5, 0.2)}},
        WallCase{"BBelowA",
                 5, 1, 6, 2, GL_QUADS,
                 {Grey(2, 3, 5, 0.05), Grey(2, 4, 6, 0.2), Grey(2, 4, 2, 0.35), Grey(2, 3, 1, 0.2)}},
        WallCase{"MeetAtP",
                 3, 3, 0, 8, GL_QUADS,
                 {Grey(2, 3, 3, 0.05), Grey(2, 4, 0, 0.2), Grey(2, 4, 8, 0.35), Grey(2, 3, 3, 0.2)}},
        WallCase{"MeetAtQ",
                 0, 8, 3, 3, GL_QUADS,
                 {Grey(2, 3, 0, 0.05), Grey(2, 4, 3, 0.2), Grey(2, 4, 3, 0.35), Grey(2, 3, 8, 0.2)}},
        WallCase{"CrossHalfway",
                 0, 10, 10, 0, GL_TRIANGLES,
                 {Grey(2, 3, 10, 0.2), Grey(2, 3, 0, 0.2), Grey(2, 3.5, 5, 0.05), Grey(2, 3.5, 5, 0.05),
                  Grey(2, 4, 10, 0.2), Grey(2, 4, 0, 0.2)}},
        WallCase{"CrossTwoThirdsAlong",
                 0, 6, 3, 0, GL_TRIANGLES,
                 {Grey(2, 3, 6, 0.2), Grey(2, 3, 0, 0.2), Grey(2, 3 + 2.0 / 3, 2, 0.05),
                  Grey(2, 3 + 2.0 / 3, 2, 0.05), Grey(2, 4, 3, 0.2), Grey(2, 4, 0, 0.2)}},
        WallCase{"CrossBelowGround",
                 -4, 4, 4, -4, GL_TRIANGLES,
                 {Grey(2, 3, 4, 0.2), Grey(2, 3, -4, 0.2), Grey(2, 3.5, 0, 0.05), Grey(2, 3.5, 0, 0.05),
                  Grey(2, 4, 4, 0.2), Grey(2, 4, -4, 0.2)}}),
    [](const ::testing::TestParamInfo<WallCase>& info) { return std::string(info.param.name); });

TEST_F(CourseMeshTest, DrawingTheSameCourseAgainGivesTheSameGeometry)
{
    Make(3, 2, Floor, 2);
    Set(1, 1, Hole, 0, 0, 0, 0);
    Set(2, 0, Mud, 2, 4, 4, 2);
    const auto first = Emit();
    const auto second = Emit();
    ASSERT_EQ(first.size(), second.size());
    EXPECT_EQ(Select(second, true).size(), Select(first, true).size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        ASSERT_EQ(first[i].vertices.size(), second[i].vertices.size());
        for (std::size_t v = 0; v < first[i].vertices.size(); ++v)
            EXPECT_EQ(Describe(first[i].vertices[v]), Describe(second[i].vertices[v]));
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
        const int width = uniform(1, 6);
        const int height = uniform(1, 6);
        // A few planes, so that runs grow; now and then a corner out of line.
        const int base = uniform(-3, 5), slopeX = uniform(-2, 2), slopeY = uniform(-2, 2);
        m_grid.Create(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const auto h = [&](int cx, int cy) {
                    return static_cast<std::int16_t>(base + slopeX * cx + slopeY * cy + (uniform(0, 7) == 0 ? uniform(-3, 3) : 0));
                };
                Set(x, y, types[uniform(0, 5)], h(x, y), h(x + 1, y), h(x + 1, y + 1), h(x, y + 1));
            }
        const auto all = Emit();

        std::vector<int> covered(width * height, 0);
        int tops = 0;
        for (const FeedbackPrimitive& p : all) {
            if (!IsTop(p))
                continue;
            ++tops;
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
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(covered[x + y * width], m_grid.GetCell(x, y).type == Hole ? 0 : 1) << x << ", " << y;

        int steps = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const HeightCell& c = m_grid.GetCell(x, y);
                const HeightCell* east = x + 1 < width ? &m_grid.GetCell(x + 1, y) : nullptr;
                const HeightCell* north = y + 1 < height ? &m_grid.GetCell(x, y + 1) : nullptr;
                steps += (x == 0) && (c.corner[0] != 0 || c.corner[3] != 0);
                steps += (y == 0) && (c.corner[0] != 0 || c.corner[1] != 0);
                steps += !east ? (c.corner[1] != 0 || c.corner[2] != 0)
                               : (c.corner[1] != east->corner[0] || c.corner[2] != east->corner[3]);
                steps += !north ? (c.corner[3] != 0 || c.corner[2] != 0)
                                : (c.corner[3] != north->corner[0] || c.corner[2] != north->corner[1]);
            }
        EXPECT_EQ(static_cast<int>(all.size()) - tops, steps);
    }
}

// The recorded list, drawn from straight above into pixels: each cell's flat
// colour at its centre, the background through the hole.
class CourseListTest : public CourseMeshTest {
protected:
    std::array<int, 3> CellCentre(GLuint list, int x, int y)
    {
        glViewport(0, 0, 60, 40);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 3, 0, 2, -10, 10);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glCallList(list);
        return m_gl.Pixel(x * 20 + 10, y * 20 + 10);
    }
};

void ExpectColour(const std::array<int, 3>& pixel, double red, double green, double blue)
{
    EXPECT_NEAR(pixel[0], red * 255, 1.5);
    EXPECT_NEAR(pixel[1], green * 255, 1.5);
    EXPECT_NEAR(pixel[2], blue * 255, 1.5);
}

TEST_F(CourseListTest, ListDrawsEveryTopAndEachBuildTakesAFreshName)
{
    Make(3, 2);
    Set(0, 0, Start, 0, 0, 0, 0);
    Set(1, 0, Finish, 0, 0, 0, 0);
    Set(2, 0, Ice, 0, 0, 0, 0);
    Set(0, 1, Mud, 0, 0, 0, 0);
    Set(1, 1, Hole, 0, 0, 0, 0);
    Set(2, 1, Mpush, 0, 0, 0, 0);

    const GLuint first = CCourseMesh::BuildCourseList(m_grid);
    const GLuint second = CCourseMesh::BuildCourseList(m_grid);
    ASSERT_NE(first, 0u);
    ASSERT_NE(second, 0u);
    EXPECT_NE(first, second);

    for (GLuint list : {first, second}) {
        SCOPED_TRACE("list " + std::to_string(list));
        ExpectColour(CellCentre(list, 0, 0), 0.2, 0.2, 0.4);
        ExpectColour(CellCentre(list, 1, 0), 0.4, 0.3, 0.3);
        ExpectColour(CellCentre(list, 2, 0), 0.4, 0.6, 1.0);
        ExpectColour(CellCentre(list, 0, 1), 0.5, 0.5, 0.1);
        ExpectColour(CellCentre(list, 1, 1), 0.0, 0.0, 0.0);
        ExpectColour(CellCentre(list, 2, 1), 0.25, 0.55, 0.3);
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
