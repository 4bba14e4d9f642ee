#include "editor/GridSelection.h"

#include <utility>

namespace {

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
    m_pressPoint = documentPixel;
    m_pressed = true;
}

bool CGridSelection::OnRelease(GridPoint documentPixel)
{
    if (!m_pressed)
        return false;
    m_pressed = false;
    m_ptSelStart = {HalfCellOf(m_pressPoint.x), HalfCellOf(m_pressPoint.y)};
    m_ptSelEnd = {HalfCellOf(documentPixel.x), HalfCellOf(documentPixel.y)};
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
