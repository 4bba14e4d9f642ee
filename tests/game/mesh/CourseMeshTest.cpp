// The course mesh as GL emits it, read back in feedback mode from an
// offscreen software context (no display needed): top colours and walls.
#include "game/mesh/CourseMesh.h"

#include "course/CellType.h"
#include "course/HeightField.h"

#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <cmath>
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

} // namespace

// The software GL library keeps a few blocks for the program's life: its business, not the leak checker's.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }
