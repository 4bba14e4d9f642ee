#include "editor/core/GridGeometry.h"

#include "course/CellType.h"

#include <algorithm>

namespace {

// Division rounding towards minus infinity, for pixels left of or above the
// grid.
int FloorDiv(int value, int divisor)
{
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

GridRect CellRect(int column, int row)
{
    return {kCellSize * column, kCellSize * row, kCellSize * column + kCellSize, kCellSize * row + kCellSize};
}

int CourseRowAt(int row, int height)
{
    return height - 1 - row;
}

GridRect CornerSquareRect(int column, int row, int corner)
{
    // corner[0] and [3] sit on the left, [0] and [1] at the bottom.
    const bool right = corner == 1 || corner == 2;
    const bool bottom = corner == 0 || corner == 1;
    const int left = kCellSize * column + (right ? kSquareFarEdge : kSquareNearEdge);
    const int top = kCellSize * row + (bottom ? kSquareFarEdge : kSquareNearEdge);
    return {left, top, left + kCornerSquare, top + kCornerSquare};
}

GridPoint LabelOrigin(int column, int row)
{
    return {kCellSize * column + kLabelLeft, kCellSize * row + kLabelTop};
}

const char* CellLabel(int type)
{
    switch (type) {
    case Floor: return "     +";
    case Hole: return "     -";
    case Start: return "  start";
    case Finish: return " finish";
    case Mpull: return " mpull";
    case Mpush: return "mpush";
    case Ice: return "   ice";
    case Mud: return "  mud";
    default: return "     ?";
    }
}

GridPoint ScrollExtent(int width, int height)
{
    return {kCellSize * width + 1, kCellSize * height + 1};
}

GridLine VerticalGridLine(int i, int height)
{
    return {{kCellSize * i, 0}, {kCellSize * i, kCellSize * height + kLineOverhang}};
}

GridLine HorizontalGridLine(int j, int width)
{
    return {{0, kCellSize * j}, {kCellSize * width + kLineOverhang, kCellSize * j}};
}

CellRange CellsMeeting(const GridRect& area, int width, int height)
{
    CellRange range;
    range.firstColumn = std::max(0, FloorDiv(area.left, kCellSize));
    range.firstRow = std::max(0, FloorDiv(area.top, kCellSize));
    // The last pixel inside the area is right - 1.
    range.lastColumn = std::min(width - 1, FloorDiv(area.right - 1, kCellSize));
    range.lastRow = std::min(height - 1, FloorDiv(area.bottom - 1, kCellSize));
    if (area.right <= area.left || area.bottom <= area.top)
        range.lastColumn = range.firstColumn - 1;
    return range;
}
