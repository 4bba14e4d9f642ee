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
    // The half-cell (j, i) a document pixel lies in.
    static GridPoint HalfCellAt(GridPoint documentPixel);

    // Calls visit(x, y, corners) for each cell of a width x height course
    // with selected quarters, in the order the course stores its cells (row
    // 0 first, x rising); bit k of corners is set when corner[k] is
    // selected. Half-cells off the course are skipped: the selection may be
    // kept from a larger course or dragged past the grid's edge.
    template <typename Visit>
    void ForEachSelectedCell(int width, int height, Visit visit) const;

    // The selected corners and the cells they touch on a width x height
    // course, across and down; zero when none is on the course.
    GridPoint CornersOnCourse(int width, int height) const;
    GridPoint CellsOnCourse(int width, int height) const;

private:
    // The selected half-cells that lie on the course, first and last column
    // (left, right) and row (top, bottom); right < left when there are none.
    GridRect HalfCellsOnCourse(int width, int height) const;

    bool m_bSelection = false;
    GridRect m_rectSelection{0, 0, 0, 0};
    GridPoint m_ptSelEnd{0, 0};
    GridPoint m_ptSelStart{0, 0};
    bool m_pressed = false;
    GridPoint m_pressPoint{0, 0};
};

template <typename Visit>
void CGridSelection::ForEachSelectedCell(int width, int height, Visit visit) const
{
    const GridRect on = HalfCellsOnCourse(width, height);
    if (on.right < on.left || on.bottom < on.top)
        return;
    // Screen row r shows course row height - 1 - r; its upper half-cells
    // stand for corners 3 and 2, its lower ones for 0 and 1.
    for (int row = on.bottom / 2; row >= on.top / 2; --row) {
        const bool upper = 2 * row >= on.top;
        const bool lower = 2 * row + 1 <= on.bottom;
        for (int column = on.left / 2; column <= on.right / 2; ++column) {
            const bool left = 2 * column >= on.left;
            const bool right = 2 * column + 1 <= on.right;
            const unsigned corners = (lower && left ? 1u : 0u) | (lower && right ? 2u : 0u)
                                     | (upper && right ? 4u : 0u) | (upper && left ? 8u : 0u);
            visit(column, height - 1 - row, corners);
        }
    }
}
