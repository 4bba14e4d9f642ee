// Surface queries and coplanar-run merging of CHeightField. A cell's surface
// is the plane through corner[0], corner[1] and corner[3]; corner[2] is only
// drawn, so the ball may float over or sink into a non-planar quad.

#include "course/HeightField.h"

#include "course/CellType.h"

#include <cmath>

namespace {

// A cell edge that runs the way a run grows: its corner on the side the run
// comes from, and its corner on the side it goes to.
struct RunEdge {
    int from;
    int to;
};

// Corners are counter-clockwise from the cell's (x, y).
constexpr RunEdge kEdgesAlongX[2] = {{0, 1}, {3, 2}};
constexpr RunEdge kEdgesAlongY[2] = {{0, 3}, {1, 2}};

// Whether q, the next cell along, lies in p's plane: neither is merged yet,
// both are of one type, and along both edges q starts where p ends and
// climbs as much as p does.
bool Continues(const HeightCell& p, const HeightCell& q, const RunEdge (&edges)[2])
{
    if (p.merged || q.merged || p.type != q.type)
        return false;
    for (const RunEdge& edge : edges) {
        // Heights widened to int: the steps of 16-bit values may not fit 16 bits.
        const int pFrom = p.corner[edge.from], pTo = p.corner[edge.to];
        const int qFrom = q.corner[edge.from], qTo = q.corner[edge.to];
        if (qFrom != pTo || qTo - pTo != pTo - pFrom)
            return false;
    }
    return true;
}

}  // namespace

double CHeightField::GetHeightAt(double x, double y) const
{
    // Truncation toward zero; callers keep the point inside the grid.
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    const HeightCell& cell = GetCell(ix, iy);
    if (cell.type == Hole)
        return 0.0;
    const int c0 = cell.corner[0];
    return (cell.corner[3] - c0) * (y - iy) + (cell.corner[1] - c0) * (x - ix) + c0;
}

void CHeightField::GetNormal(int x, int y, double& nx, double& ny, double& nz) const
{
    const HeightCell& cell = GetCell(x, y);
    // The horizontal part points downhill.
    const double ax = cell.corner[0] - cell.corner[1];
    const double ay = cell.corner[0] - cell.corner[3];
    const double length = std::sqrt(ax * ax + ay * ay + 1.0);
    nx = ax / length;
    ny = ay / length;
    nz = 1.0 / length;
}

bool CHeightField::ContinuesX(int x, int y, int x2, int y2) const
{
    return Continues(GetCell(x, y), GetCell(x2, y2), kEdgesAlongX);
}

bool CHeightField::ContinuesY(int x, int y, int x2, int y2) const
{
    return Continues(GetCell(x, y), GetCell(x2, y2), kEdgesAlongY);
}

void CHeightField::ClearMergeMarks()
{
    const std::int64_t count = static_cast<std::int64_t>(m_width) * m_height;
    for (std::int64_t i = 0; i < count; ++i)
        m_cells[i].merged = 0;
}

void CHeightField::MergeRun(int x0, int y0, int& runWidth, int& runHeight)
{
    // Greedy, x first: as far along the row as the slope continues...
    int i = x0;
    while (i < m_width - 1 && ContinuesX(i, y0, i + 1, y0))
        ++i;
    // ...then whole rows while every column continues into the next row,
    // each row tested against the one before it.
    int j = y0;
    while (j < m_height - 1) {
        bool continues = true;
        for (int k = x0; k <= i && continues; ++k)
            continues = ContinuesY(k, j, k, j + 1);
        if (!continues)
            break;
        ++j;
    }
    runWidth = i - x0 + 1;
    runHeight = j - y0 + 1;
    for (int r = y0; r <= j; ++r)
        for (int k = x0; k <= i; ++k)
            GetCell(k, r).merged = 1;
}
