#pragma once

#include "editor/core/CornerColor.h"

#include <cstdint>
#include <vector>

class CHeightField;
struct HeightCell;

// A course seen from above, as a file manager shows it: every quarter of a
// cell takes the colour of its corner's height on the editor's ramp, changed
// by the cell's type. Row 0 of the course is the bottom of the picture, as
// in the editor.
struct Thumbnail {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // red, green, blue per pixel, row after row from the top

    RgbColor At(int x, int y) const;
};

// The largest side a thumbnail may have, whatever size is asked for.
constexpr int kMaxThumbnailSide = 1024;

// The colour of the quarter of `cell` at corner[corner] (0..3).
RgbColor QuarterColor(const HeightCell& cell, int corner);

// The picture of `course`, its longer side `size` pixels (held within 1 and
// kMaxThumbnailSide) and its cells square. Each pixel shows the point of the
// course under its centre, so the work follows the pixels, not the cells.
// An empty course gives an empty picture.
Thumbnail DrawThumbnail(const CHeightField& course, int size);
