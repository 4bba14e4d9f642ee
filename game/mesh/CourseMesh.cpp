#include "game/mesh/CourseMesh.h"

#include "course/CellType.h"
#include "course/HeightField.h"

#include <cmath>

namespace {

struct Colour {
    double red;
    double green;
    double blue;
};

// Flat top colours of the cell types that are not coloured by height.
constexpr Colour kStartColour{0.2, 0.2, 0.4};
constexpr Colour kFinishColour{0.4, 0.3, 0.3};
constexpr Colour kIceColour{0.4, 0.6, 1.0};
constexpr Colour kMudColour{0.5, 0.5, 0.1};
constexpr Colour kMpullColour{0.45, 0.25, 0.55};   // violet
constexpr Colour kMpushColour{0.25, 0.55, 0.3};    // leaf green
constexpr Colour kUnknownColour{0.6, 0.35, 0.4};   // dusty rose

// Colour ramp of Floor corners: darker and greener low, bluer high.
constexpr double kRampRedPerHeight = 0.002;
constexpr double kRampGreenPerHeight = 0.002;
constexpr double kRampGreenBase = 0.1;
constexpr double kRampBluePerHeight = 0.007;
constexpr double kRampBlueBase = 0.3;
// Floor tops: the first corner's blue is dimmed and the opposite corner's
// raised, so even a flat run shows a gradient.
constexpr double kFirstCornerBlue = 0.3;
constexpr double kOppositeCornerBlue = 1.5;

// Wall greys: darkest where line A leaves P, lightest where line B reaches Q.
constexpr double kWallDarkGrey = 0.05;
constexpr double kWallMidGrey = 0.2;
constexpr double kWallLightGrey = 0.35;

const Colour* FlatColourOf(std::int16_t type)
{
    switch (type) {
    case Floor:
        return nullptr;
    case Start:
        return &kStartColour;
    case Finish:
        return &kFinishColour;
    case Ice:
        return &kIceColour;
    case Mud:
        return &kMudColour;
    case Mpull:
        return &kMpullColour;
    case Mpush:
        return &kMpushColour;
    default:
        return &kUnknownColour;
    }
}

void Grey(double g)
{
    glColor3d(g, g, g);
}

}  // namespace

GLuint CCourseMesh::BuildCourseList(CHeightField& grid)
{
    const GLuint list = glGenLists(1);
    if (list == 0)
        return 0;
    glNewList(list, GL_COMPILE);
    DrawCourse(grid);
    glEndList();
    return list;
}

int CCourseMesh::DrawCourse(CHeightField& grid)
{
    const int width = grid.GetWidth();
    const int height = grid.GetHeight();

    // The runs rely on clear marks; clearing them here lets the course be
    // recorded again (a second view, a new context) with its tops intact.
    grid.ClearMergeMarks();

    // Row by row, so a run always starts at its lowest-y, lowest-x cell and
    // its other cells are skipped by their marks.
    int vertices = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            glPushMatrix();
            glTranslated(x, y, 0.0);
            vertices += DrawCellTop(grid, x, y) ? 4 : 0;
            glPopMatrix();
        }

    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            vertices += DrawCellWalls(grid, x, y);
    return vertices;
}

bool CCourseMesh::DrawCellTop(CHeightField& grid, int x, int y)
{
    const HeightCell& cell = grid.GetCell(x, y);
    if (cell.merged || cell.type == Hole)
        return false;

    int w = 0;
    int h = 0;
    grid.MergeRun(x, y, w, h);
    DrawRunTop(grid, x, y, w, h);
    return true;
}

void CCourseMesh::DrawRunTop(const CHeightField& grid, int x, int y, int w, int h, bool inCourse)
{
    const double x0 = inCourse ? x : 0.0;
    const double y0 = inCourse ? y : 0.0;
    const HeightCell& cell = grid.GetCell(x, y);
    // Each corner of the rectangle from the run's cell that owns it.
    const std::int16_t heights[4] = {
        cell.corner[0],
        grid.GetCell(x + w - 1, y).corner[1],
        grid.GetCell(x + w - 1, y + h - 1).corner[2],
        grid.GetCell(x, y + h - 1).corner[3],
    };
    const double vertices[4][3] = {
        {x0, y0, static_cast<double>(heights[0])},
        {x0 + w, y0, static_cast<double>(heights[1])},
        {x0 + w, y0 + h, static_cast<double>(heights[2])},
        {x0, y0 + h, static_cast<double>(heights[3])},
    };

    double colours[4][3];
    if (const Colour* flat = FlatColourOf(cell.type)) {
        for (auto& colour : colours) {
            colour[0] = flat->red;
            colour[1] = flat->green;
            colour[2] = flat->blue;
        }
    } else {
        for (int v = 0; v < 4; ++v)
            HeightColour(heights[v], colours[v]);
        colours[0][2] *= kFirstCornerBlue;
        colours[2][2] *= kOppositeCornerBlue;
    }

    glBegin(GL_QUADS);
    for (int v = 0; v < 4; ++v) {
        glColor3dv(colours[v]);
        glVertex3dv(vertices[v]);
    }
    glEnd();
}

void CCourseMesh::HeightColour(std::int16_t h, double colour[3])
{
    colour[0] = kRampRedPerHeight * h;
    colour[1] = kRampGreenPerHeight * h + kRampGreenBase;
    colour[2] = kRampBluePerHeight * h + kRampBlueBase;
}

int CCourseMesh::DrawCellWalls(const CHeightField& grid, int x, int y)
{
    const int width = grid.GetWidth();
    const int height = grid.GetHeight();
    const HeightCell& c = grid.GetCell(x, y);
    const int c0 = c.corner[0];
    const int c1 = c.corner[1];
    const int c2 = c.corner[2];
    const int c3 = c.corner[3];

    // Border walls reach down (or up) to height 0.
    int vertices = 0;
    if (x == 0)
        vertices += DrawWall(0, y, 0, c0, 0, y + 1, 0, c3);
    if (y == 0)
        vertices += DrawWall(x, 0, 0, c0, x + 1, 0, 0, c1);
    if (x == width - 1)
        vertices += DrawWall(x + 1, y, 0, c1, x + 1, y + 1, 0, c2);
    if (y == height - 1)
        vertices += DrawWall(x, y + 1, 0, c3, x + 1, y + 1, 0, c2);

    // Each interior edge belongs to the cell west or south of it.
    if (x < width - 1) {
        const HeightCell& n = grid.GetCell(x + 1, y);
        vertices += DrawWall(x + 1, y, c1, n.corner[0], x + 1, y + 1, c2, n.corner[3]);
    }
    if (y < height - 1) {
        const HeightCell& n = grid.GetCell(x, y + 1);
        vertices += DrawWall(x, y + 1, c3, n.corner[0], x + 1, y + 1, c2, n.corner[1]);
    }
    return vertices;
}

int CCourseMesh::DrawWall(int px, int py, int pa, int pb, int qx, int qy, int qa, int qb)
{
    if (pa == pb && qa == qb)
        return 0;

    const bool crosses = !((pa < pb && qa < qb) || (pa > pb && qa > qb) || pa == pb || qa == qb);
    if (!crosses) {
        glBegin(GL_QUADS);
        Grey(kWallDarkGrey);
        glVertex3i(px, py, pa);
        Grey(kWallMidGrey);
        glVertex3i(qx, qy, qa);
        Grey(kWallLightGrey);
        glVertex3i(qx, qy, qb);
        Grey(kWallMidGrey);
        glVertex3i(px, py, pb);
        glEnd();
        return 4;
    }

    // The lines swap order between P and Q; they meet at the share t of the
    // edge where the two height gaps are in proportion.
    const double r = std::fabs(static_cast<double>(pb - pa) / static_cast<double>(qb - qa));
    const double t = r / (r + 1.0);
    const double cross[3] = {px + t * (qx - px), py + t * (qy - py), pa + t * (qa - pa)};

    glBegin(GL_TRIANGLES);
    Grey(kWallMidGrey);
    glVertex3i(px, py, pb);
    Grey(kWallMidGrey);
    glVertex3i(px, py, pa);
    Grey(kWallDarkGrey);
    glVertex3dv(cross);

    Grey(kWallDarkGrey);
    glVertex3dv(cross);
    Grey(kWallMidGrey);
    glVertex3i(qx, qy, qa);
    Grey(kWallMidGrey);
    glVertex3i(qx, qy, qb);
    glEnd();
    return 6;
}
