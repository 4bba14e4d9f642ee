#pragma once

// Where the grid view draws a course, in document pixels: x to the right,
// y downwards, origin at the top-left of the grid. Course row 0 is the
// bottom row of the picture.

constexpr int kCellSize = 50;      // a cell is kCellSize x kCellSize pixels
constexpr int kCornerSquare = 16;  // side of a corner height square
constexpr int kHalfCell = kCellSize / 2;

// Offsets inside a cell.
constexpr int kSquareNearEdge = 1;    // left or top squares start here
constexpr int kSquareFarEdge = 34;    // right or bottom squares start here
constexpr int kLabelLeft = 3;
constexpr int kLabelTop = 17;
// The grid lines run this far past the last cell edge (the last line itself
// is not drawn: the extent's extra pixel shows the background there).
constexpr int kLineOverhang = 2;

struct GridPoint {
    int x;
    int y;
    bool operator==(const GridPoint& other) const { return x == other.x && y == other.y; }
};

// Right and bottom are exclusive, except for selection outlines, which are
// the corner points of a frame.
struct GridRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const GridRect& other) const
    {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
};

// A line from `from` to `to`, the end point not drawn.
struct GridLine {
    GridPoint from;
    GridPoint to;
};

// The rectangle of the cell at screen column c, screen row r.
GridRect CellRect(int column, int row);

// The course row shown at screen row r of a course `height` rows high.
int CourseRowAt(int row, int height);

// The square of corner[corner] of the cell at screen column c, row r:
// corner 0 bottom-left, 1 bottom-right, 2 top-right, 3 top-left.
GridRect CornerSquareRect(int column, int row, int corner);

// Top-left of the cell's type label.
GridPoint LabelOrigin(int column, int row);

// The label of a cell type, leading blanks included.
const char* CellLabel(int type);

// The scrollable size of the picture of a width x height course.
GridPoint ScrollExtent(int width, int height);

// The i-th vertical (i < width) and j-th horizontal (j < height) grid line.
GridLine VerticalGridLine(int i, int height);
GridLine HorizontalGridLine(int j, int width);

// The screen columns and rows of the cells that meet `area` (exclusive
// right and bottom), clipped to the course; empty when last < first.
struct CellRange {
    int firstColumn;
    int lastColumn;
    int firstRow;
    int lastRow;
    bool IsEmpty() const { return lastColumn < firstColumn || lastRow < firstRow; }
};
CellRange CellsMeeting(const GridRect& area, int width, int height);
