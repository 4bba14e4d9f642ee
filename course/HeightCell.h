#pragma once

#include <cstdint>

// One cell of a course. Corners run counter-clockwise seen from above:
// corner[0] at (x, y), [1] at (x + 1, y), [2] at (x + 1, y + 1), [3] at (x, y + 1).
struct HeightCell {
    std::int16_t type;
    std::int16_t corner[4];
    std::uint8_t merged;  // set by MergeRun; never stored in the course file

    bool operator==(const HeightCell& other) const
    {
        return type == other.type && corner[0] == other.corner[0] && corner[1] == other.corner[1]
               && corner[2] == other.corner[2] && corner[3] == other.corner[3] && merged == other.merged;
    }
    bool operator!=(const HeightCell& other) const { return !(*this == other); }
};

// The heights the editor lets a builder set, and the courses we ship keep to;
// a course file may hold any 16-bit height.
constexpr int kLowestHeight = 0;
constexpr int kHighestHeight = 99;
