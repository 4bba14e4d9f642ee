#include "editor/core/GridSelection.h"

#include "course/HeightField.h"

#include <algorithm>
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
    m_ptSelStart = HalfCellAt(m_pressPoint);
    m_ptSelEnd = HalfCellAt(WithinReach(documentPixel));
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

GridPoint CGridSelection::HalfCellAt(GridPoint documentPixel)
{
    return {HalfCellOf(documentPixel.x), HalfCellOf(documentPixel.y)};
}

GridRect CGridSelection::HalfCellsOnCourse(int width, int height) const
{
    if (!m_bSelection || width <= 0 || height <= 0)
        return {0, 0, -1, -1};
    // Half-cells of the course run 0..2w-1 across and 0..2h-1 down.
    return {std::max(m_ptSelStart.x, 0), std::max(m_ptSelStart.y, 0), std::min(m_ptSelEnd.x, 2 * width - 1),
            std::min(m_ptSelEnd.y, 2 * height - 1)};
}

GridPoint CGridSelection::CornersOnCourse(int width, int height) const
{
    const GridRect on = HalfCellsOnCourse(width, height);
    if (on.right < on.left || on.bottom < on.top)
        return {0, 0};
    return {on.right - on.left + 1, on.bottom - on.top + 1};
}

GridPoint CGridSelection::CellsOnCourse(int width, int height) const
{
    const GridRect on = HalfCellsOnCourse(width, height);
    if (on.right < on.left || on.bottom < on.top)
        return {0, 0};
    return {on.right / 2 - on.left / 2 + 1, on.bottom / 2 - on.top / 2 + 1};
}
