#pragma once

#include <cstdint>

// One cell of a course. Corners run counter-clockwise seen from above:
// corner[0] at (x, y), [1] at (x + 1, y), [2] at (x + 1, y + 1), [3] at (x, y + 1).
struct HeightCell {
    std::int16_t type;
    std::int16_t corner[4];
    std::uint8_t merged;  // set by MergeRun; never stored in the course file
};
