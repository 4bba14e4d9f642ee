// The course mesh as GL emits it, read back in feedback mode from an
// offscreen software context (no display needed): top colours and walls,
// and the course drawn as tiles.
#include "game/mesh/CourseMesh.h"
#include "game/mesh/CourseTiles.h"

#include "course/CellType.h"
#include "course/HeightField.h"

#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// A corner as GL emitted it, in course coordinates (x and y in cells, z in
// raw heights), with its colour.
struct Corner {
    double x, y, z, red, green, blue;
};

// The corners of the polygons GL emitted while draw ran.
std::vector<Corner> Record(const std::function<void()>& draw)
{
    // The program's one context, kept to its end: the library does not give
    // back everything a context takes.
    static std::vector<unsigned char> pixels(64 * 64 * 4);
    static const OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    EXPECT_TRUE(OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, 64, 64)) << "no offscreen context";
    // Window x and y are (course + 64) * 8, the depth 0.5 - z / 2048.
    glViewport(0, 0, 1024, 1024);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-64, 64, -64, 64, -1024, 1024);
    glMatrixMode(GL_MODELVIEW);
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);  // -1 on overflow
    std::vector<Corner> corners;
    GLint i = 0;
    for (int count = 0; i < used && buffer[i] == GL_POLYGON_TOKEN; i += 2 + 7 * count) {
        count = static_cast<int>(buffer[i + 1]);
        for (const GLfloat* v = &buffer[i + 2]; v < &buffer[i + 2 + 7 * count]; v += 7)  // x, y, depth, r, g, b, a
            corners.push_back({v[0] / 8.0 - 64, v[1] / 8.0 - 64, (0.5 - v[2]) * 2048, v[3], v[4], v[5]});
    }
    EXPECT_EQ(i, used) << "a feedback buffer overflow, or not a polygon";
    return corners;
}

// Whether GL emitted the corner: in place within the depth's float
// precision, and in its colour.
bool Has(const std::vector<Corner>& corners, const Corner& w)
{
    for (const Corner& c : corners)
        if (std::fabs(c.x - w.x) + std::fabs(c.y - w.y) + std::fabs(c.z - w.z) < 1e-3
            && std::fabs(c.red - w.red) + std::fabs(c.green - w.green) + std::fabs(c.blue - w.blue) < 1e-6)
            return true;
    return false;
}

Corner Grey(double x, double y, double z, double g) { return {x, y, z, g, g, g}; }

// A row of one cell of each type, all at height 10.
TEST(CourseMesh, EachTypeHasItsTopColourAndTheBorderHasWallsDownTo0)
{
    const struct { std::int16_t type; double red, green, blue; } cells[] = {
        {Start, 0.2, 0.2, 0.4}, {Finish, 0.4, 0.3, 0.3}, {Ice, 0.4, 0.6, 1.0},       {Mud, 0.5, 0.5, 0.1},
        {Mpull, 0.45, 0.25, 0.55}, {Mpush, 0.25, 0.55, 0.3}, {9, 0.6, 0.35, 0.4}, // any other type
        {Floor, 0, 0, 0}, {Hole, 0, 0, 0},
    };
    CHeightField grid;
    grid.Create(9, 1);
    for (int x = 0; x < 9; ++x)
        grid.SetCell(x, 0, HeightCell{cells[x].type, {10, 10, 10, 10}, 0});
    const auto corners = Record([&grid] { glCallList(CCourseMesh::BuildCourseList(grid)); });
    for (int x = 0; x < 7; ++x)  // at both ends of the top's diagonal
        for (const double end : {0.0, 1.0})
            EXPECT_TRUE(Has(corners, {x + end, end, 10, cells[x].red, cells[x].green, cells[x].blue})) << "cell " << x;
    // Floor takes the ramp's colour at its height, (0.02, 0.12, 0.37) at 10, its blue
    // dimmed at the first corner and raised at the opposite one: even a flat run shows a gradient.
    EXPECT_TRUE(Has(corners, {7, 0, 10, 0.02, 0.12, 0.37 * 0.3}));
    EXPECT_TRUE(Has(corners, {8, 0, 10, 0.02, 0.12, 0.37}));
    EXPECT_TRUE(Has(corners, {8, 1, 10, 0.02, 0.12, 0.37 * 1.5}));
    EXPECT_FALSE(Has(corners, {9, 1, 10, 0.6, 0.35, 0.4})) << "a top over the hole";

    // Along each cell's border edges a wall from 0 up to its corners, the
    // hole's included: dark where it leaves 0, light where it reaches 10.
    EXPECT_TRUE(Has(corners, Grey(0, 0, 0, 0.05)) && Has(corners, Grey(0, 1, 10, 0.35))) << "west";
    EXPECT_TRUE(Has(corners, Grey(9, 0, 0, 0.05)) && Has(corners, Grey(9, 1, 10, 0.35))) << "east";
    for (int x = 0; x < 9; ++x) {
        EXPECT_TRUE(Has(corners, Grey(x, 0, 0, 0.05)) && Has(corners, Grey(x + 1, 0, 10, 0.35))) << "south " << x;
        EXPECT_TRUE(Has(corners, Grey(x, 1, 0, 0.05)) && Has(corners, Grey(x + 1, 1, 10, 0.35))) << "north " << x;
    }
}

// A wall on the edge from P = (2, 3) to Q = (2, 4) fills the strip between
// line A, from (P, pa) to (Q, qa), and line B, from (P, pb) to (Q, qb).
TEST(CourseMesh, AWallIsTheStripBetweenTwoLinesAndCrossingOnesMeetInProportion)
{
    EXPECT_TRUE(Record([] { CCourseMesh::DrawWall(2, 3, 4, 4, 2, 4, 7, 7); }).empty()) << "the lines coincide";
    // A at 0 and 3, B at 6 and 0: the gaps of 6 and 3 put the crossing two
    // thirds along, at height 2; two triangles meet there.
    const auto corners = Record([] { CCourseMesh::DrawWall(2, 3, 0, 6, 2, 4, 3, 0); });
    for (const Corner& corner : {Grey(2, 3, 6, 0.2), Grey(2, 3, 0, 0.2), Grey(2, 3 + 2.0 / 3, 2, 0.05),
                                 Grey(2, 4, 3, 0.2), Grey(2, 4, 0, 0.2)})
        EXPECT_TRUE(Has(corners, corner)) << corner.x << ", " << corner.y << ", " << corner.z;
    EXPECT_EQ(corners.size(), 6u);
}

// A course of blocks of 6 x 5 cells, each of one type, flat or sloped,
// so that runs and the walls between blocks cross 4-cell tiles both ways.
void MakeBlocks(CHeightField& grid, int width, int height)
{
    const std::int16_t types[] = {Floor, Ice, Floor, Mud, Hole, Floor, Mpull, Finish};
    grid.Create(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int k = x / 6 * 3 + y / 5 * 5;
            const auto at = [k, x, y](int dx, int dy) {
                const int slopes = (k % 3 == 0 ? 2 * (x % 6 + dx) : 0) + (k % 4 == 1 ? y % 5 + dy : 0);
                return static_cast<std::int16_t>(k * 7 % 23 + slopes);
            };
            grid.SetCell(x, y, HeightCell{types[k % 8], {at(0, 0), at(1, 0), at(1, 1), at(0, 1)}, 0});
        }
}

// The colours and depths of a 200 x 150 picture of the course, seen at a
// slant as the game sees it, drawn by draw.
struct Picture {
    std::vector<GLuint> colour, depth;
};
Picture Render(const std::function<void()>& draw)
{
    static std::vector<GLuint> pixels(200 * 150);
    static const OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    EXPECT_TRUE(OSMesaMakeCurrent(context, pixels.data(), GL_UNSIGNED_BYTE, 200, 150)) << "no offscreen context";
    glViewport(0, 0, 200, 150);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-0.55, 0.55, -0.41, 0.41, 1.0, 60.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // From (-5, -4, 14) towards +x and +y, 40 degrees down.
    glRotated(-50.0, 1.0, 0.0, 0.0);
    glRotated(45.0, 0.0, 0.0, 1.0);
    glTranslated(5.0, 4.0, -14.0);
    glScaled(1.0, 1.0, 0.2);
    draw();
    glFinish();
    Picture picture{pixels, std::vector<GLuint>(pixels.size())};
    glReadPixels(0, 0, 200, 150, GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, picture.depth.data());
    return picture;
}

void DrawTiles(CCourseTiles& tiles)
{
    double volume[16];
    CCourseTiles::CurrentViewVolume(volume);
    tiles.Draw(volume);
}

TEST(CourseTiles, TiledTheCourseLooksAsOneListExceptWhereFacesMeetAtEqualDepth)
{
    CHeightField grid;
    MakeBlocks(grid, 30, 26);
    const Picture one = Render([&grid] { glCallList(CCourseMesh::BuildCourseList(grid)); });
    CCourseTiles tiles(4, 0);
    tiles.Open(grid);
    const Picture tiled = Render([&tiles] { DrawTiles(tiles); });
    int shown = 0, differ = 0;
    for (std::size_t i = 0; i < one.colour.size(); ++i) {
        shown += one.depth[i] != 0xffffffffu;
        // Positions given in the course's frame rather than each run's may
        // round a colour by one step.
        int step = 0;
        for (int shift = 0; shift < 24; shift += 8)
            step = std::max(step, std::abs(int(one.colour[i] >> shift & 255) - int(tiled.colour[i] >> shift & 255)));
        if (step > 1) {
            ++differ;
            EXPECT_NEAR(one.depth[i], tiled.depth[i], 512.0) << "pixel " << i % 200 << ", " << i / 200;
        }
    }
    EXPECT_GT(shown, 20000) << "the course fills most of the picture";
    EXPECT_LT(differ, shown / 100);
    tiles.Release();
}

// A view volume, as the product of the projection and modelview matrices,
// that holds course x from x0 to x1, y from -1 to 33 and every height.
std::vector<double> Box(double x0, double x1)
{
    return {2 / (x1 - x0), 0, 0, 0, 0, 2.0 / 34, 0, 0, 0, 0, -0.01, 0, -(x1 + x0) / (x1 - x0), -32.0 / 34, 0, 1};
}

TEST(CourseTiles, OnlyTilesInViewAreCalledWithinTheBudgetAndASmallCourseIsTodaysOneList)
{
    CHeightField grid;
    MakeBlocks(grid, 240, 8);
    CCourseTiles tiles(8, 32, 1000);
    tiles.Open(grid);
    // Seen from x 33 to 35: the tile from 32 to 40, whose runs reach on to
    // the end of their block at 42, and the one from 24 to 32, whose runs
    // reach into view.
    const auto seen = Record([&tiles] { tiles.Draw(Box(33, 35).data()); });
    const auto [low, high] = std::minmax_element(seen.begin(), seen.end(), [](auto& a, auto& b) { return a.x < b.x; });
    EXPECT_TRUE(low->x == 24 && high->x == 42) << low->x << " to " << high->x;
    // Along the course the lists come and go within the budget.
    const auto lists = [] {
        int count = 0;
        for (GLuint name = 1; name < 4096; ++name)
            count += glIsList(name);
        return count;
    };
    const int others = lists() - static_cast<int>(tiles.RecordedLists());
    for (int x = 0; x < 232; ++x) {
        tiles.Draw(Box(x, x + 8).data());
        ASSERT_LE(tiles.RecordedVertices(), 1000u) << "at " << x;
        ASSERT_EQ(lists() - others, static_cast<int>(tiles.RecordedLists())) << "at " << x;
    }
    tiles.Release();

    MakeBlocks(grid, 32, 6);
    const auto today = Record([&grid] { glCallList(CCourseMesh::BuildCourseList(grid)); });
    CCourseTiles one;
    one.Open(grid);
    const auto tiled = Record([&one] { one.Draw(Box(-64, 64).data()); });
    ASSERT_EQ(tiled.size(), today.size());
    for (std::size_t i = 0; i < today.size(); ++i)
        EXPECT_TRUE(Has({tiled[i]}, today[i])) << "corner " << i;
}

} // namespace

// The software GL library keeps a few blocks for the program's life: its business, not the leak checker's.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }
