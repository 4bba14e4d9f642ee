// Surface queries and coplanar-run merging of CHeightField. A cell's surface
// is the plane through corner[0], corner[1] and corner[3]; corner[2] is only
// drawn, so the ball may float over or sink into a non-planar quad.

#include "course/HeightField.h"

#include "course/CellType.h"

#include <cmath>

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
    const HeightCell& p = GetCell(x, y);
    const HeightCell& q = GetCell(x2, y2);
    if (p.merged || q.merged || p.type != q.type)
        return false;
    // Heights widened to int: the steps of 16-bit values may not fit 16 bits.
    const int p0 = p.corner[0], p1 = p.corner[1], p2 = p.corner[2], p3 = p.corner[3];
    const int q0 = q.corner[0], q1 = q.corner[1], q2 = q.corner[2], q3 = q.corner[3];
    return q0 == p1 && q3 == p2 && q1 - p1 == p1 - p0 && q2 - p2 == p2 - p3;
}

bool CHeightField::ContinuesY(int x, int y, int x2, int y2) const
{
    const HeightCell& p = GetCell(x, y);
    const HeightCell& q = GetCell(x2, y2);
    if (p.merged || q.merged || p.type != q.type)
        return false;
    const int p0 = p.corner[0], p1 = p.corner[1], p2 = p.corner[2], p3 = p.corner[3];
    const int q0 = q.corner[0], q1 = q.corner[1], q2 = q.corner[2], q3 = q.corner[3];
    return q0 == p3 && q1 == p2 && q3 - p3 == p3 - p0 && q2 - p2 == p2 - p1;
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
