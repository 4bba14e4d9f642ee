#pragma once

#include "editor/core/GridGeometry.h"

// The view's selection: a block of half-cells, each a 25 x 25 quarter of a
// cell that stands for the one corner whose square it holds. A press and a
// release of the left button at any two opposite corners of a rectangle
// select the half-cells it touches.
class CGridSelection {
public:
    // The press point in document pixels. Any int is taken; points far
    // beyond the largest course are held at a distance past it.
    void OnPress(GridPoint documentPixel);
    // The release point in document pixels. Replaces the selection by the
    // dragged block and returns true; a release with no press before it
    // (the second click of a double-click that closed a dialog, say) is
    // ignored and returns false.
    bool OnRelease(GridPoint documentPixel);

    bool HasSelection() const { return m_bSelection; }
    // Outline corners: left/top of the first half-cell + 1, right/bottom
    // at the far edge of the last one.
    const GridRect& GetOutline() const { return m_rectSelection; }
    // Smallest and largest selected half-cell column (x) and row (y).
    GridPoint GetFirstHalfCell() const { return m_ptSelStart; }
    GridPoint GetLastHalfCell() const { return m_ptSelEnd; }

    // The corner that half-cell (j, i) stands for: even/odd j is the left or
    // right half of a cell, even/odd i the top or bottom half.
    static int CornerOfHalfCell(int j, int i);

    // Calls visit(x, y, corner) for each selected half-cell whose cell lies
    // on a width x height course, rows top to bottom, columns left to right.
    // Half-cells off the course are skipped: the selection may be kept from
    // a larger course or dragged past the grid's edge.
    template <typename Visit>
    void ForEachSelectedCorner(int width, int height, Visit visit) const;

private:
    bool m_bSelection = false;
    GridRect m_rectSelection{0, 0, 0, 0};
    GridPoint m_ptSelEnd{0, 0};
    GridPoint m_ptSelStart{0, 0};
    bool m_pressed = false;
    GridPoint m_pressPoint{0, 0};
};

template <typename Visit>
void CGridSelection::ForEachSelectedCorner(int width, int height, Visit visit) const
{
    if (!m_bSelection || width <= 0 || height <= 0)
        return;
    // Half-cells of the course run 0..2w-1 across and 0..2h-1 down.
    const int firstI = m_ptSelStart.y < 0 ? 0 : m_ptSelStart.y;
    const int lastI = m_ptSelEnd.y > 2 * height - 1 ? 2 * height - 1 : m_ptSelEnd.y;
    const int firstJ = m_ptSelStart.x < 0 ? 0 : m_ptSelStart.x;
    const int lastJ = m_ptSelEnd.x > 2 * width - 1 ? 2 * width - 1 : m_ptSelEnd.x;
    for (int i = firstI; i <= lastI; ++i) {
        const int y = height - 1 - i / 2;
        for (int j = firstJ; j <= lastJ; ++j)
            visit(j / 2, y, CornerOfHalfCell(j, i));
    }
}
