#include "editor/core/GridSelection.h"

#include "course/HeightField.h"

#include <cstdint>
#include <utility>

namespace {

// Press and release points are held within this many pixels of the origin:
// beyond the farthest corner of the largest course, and near enough that
// the outline's arithmetic cannot overflow an int. The toolkit hands over
// whatever the window system reports, plus the scroll offset, and that sum
// may lie anywhere an int goes.
constexpr int kFarthestPixel = 1 << 30;
static_assert(std::int64_t{kCellSize} * CHeightField::kMaxCells < kFarthestPixel,
              "a course reaches past the farthest pixel");

int WithinReach(int pixel)
{
    if (pixel < -kFarthestPixel)
        return -kFarthestPixel;
    return pixel > kFarthestPixel ? kFarthestPixel : pixel;
}

GridPoint WithinReach(GridPoint pixel)
{
    return {WithinReach(pixel.x), WithinReach(pixel.y)};
}

// Pixels to half-cells, rounding towards minus infinity so that a release
// left of or above the grid lands on a half-cell outside it.
int HalfCellOf(int pixel)
{
    const int quotient = pixel / kHalfCell;
    return (pixel % kHalfCell != 0 && pixel < 0) ? quotient - 1 : quotient;
}

}  // namespace

void CGridSelection::OnPress(GridPoint documentPixel)
{
    m_pressPoint = WithinReach(documentPixel);
    m_pressed = true;
}

bool CGridSelection::OnRelease(GridPoint documentPixel)
{
    if (!m_pressed)
        return false;
    m_pressed = false;
    m_ptSelStart = {HalfCellOf(m_pressPoint.x), HalfCellOf(m_pressPoint.y)};
    const GridPoint release = WithinReach(documentPixel);
    m_ptSelEnd = {HalfCellOf(release.x), HalfCellOf(release.y)};
    if (m_ptSelStart.x > m_ptSelEnd.x)
        std::swap(m_ptSelStart.x, m_ptSelEnd.x);
    if (m_ptSelStart.y > m_ptSelEnd.y)
        std::swap(m_ptSelStart.y, m_ptSelEnd.y);
    m_bSelection = true;
    m_rectSelection = {kHalfCell * m_ptSelStart.x + 1, kHalfCell * m_ptSelStart.y + 1,
                       kHalfCell * (m_ptSelEnd.x + 1), kHalfCell * (m_ptSelEnd.y + 1)};
    return true;
}

int CGridSelection::CornerOfHalfCell(int j, int i)
{
    const bool right = (j & 1) != 0;
    const bool bottom = (i & 1) != 0;
    if (bottom)
        return right ? 1 : 0;
    return right ? 2 : 3;
}
