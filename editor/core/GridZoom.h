#pragma once

#include "editor/core/GridGeometry.h"

// How large the grid view draws the course, from a quarter to twice the
// size. The layout of GridGeometry stays in document pixels at actual size;
// a document pixel u shows at screen pixel floor(u x scale). A screen pixel
// stands for the largest document pixel drawn on or before it, so whatever
// is drawn at a place is also what a click there picks.
class CGridZoom {
public:
    // The percentages of the levels, smallest first.
    static constexpr int kLevelCount = 7;
    static int PercentOfLevel(int level);

    int GetPercent() const { return PercentOfLevel(m_level); }
    bool IsActualSize() const { return m_level == kActualLevel; }
    // One level up or down; false at the end of the range.
    bool ZoomIn();
    bool ZoomOut();
    void SetActualSize() { m_level = kActualLevel; }
    // The level of a percentage read back from the settings; false, and no
    // change, when it is none of the levels.
    bool SetPercent(int percent);

    int ToScreen(int documentPixel) const;
    int FromScreen(int screenPixel) const;
    GridPoint ToScreen(GridPoint p) const { return {ToScreen(p.x), ToScreen(p.y)}; }
    GridPoint FromScreen(GridPoint p) const { return {FromScreen(p.x), FromScreen(p.y)}; }
    // Each edge mapped on its own, so neighbouring rectangles still meet.
    GridRect ToScreen(const GridRect& r) const;
    // A selection outline: its left and top lie one pixel inside the first
    // half-cell, at any size.
    GridRect OutlineToScreen(const GridRect& outline) const;
    // The area at actual size whose cells (CellsMeeting) are those whose
    // pictures meet a screen area (right and bottom exclusive).
    GridRect AreaFromScreen(const GridRect& area) const;
    // The scroll extent of a width x height course: the last pixel of the
    // grid is the last of the extent.
    GridPoint ScrollExtent(int width, int height) const;

private:
    static constexpr int kActualLevel = 4;
    int m_level = kActualLevel;
};
