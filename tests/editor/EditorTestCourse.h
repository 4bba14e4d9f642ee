#pragma once

#include "course/HeightField.h"

#include <cstdint>

// A 3 x 2 course written as a table, top screen row first as it is shown:
// each cell is {type, corner[0], corner[1], corner[2], corner[3]}.
inline void FillThreeByTwo(CHeightField& course)
{
    static const std::int16_t kCells[2][3][5] = {
        {{3, 0, 5, 10, 15}, {1, 20, 30, 39, 40}, {7, 90, 95, 99, 150}},  // course row 1
        {{1, 1, 2, 3, 4}, {2, 60, 70, 80, 89}, {9, -5, 50, 12, 25}},     // course row 0
    };
    course.Create(3, 2);
    for (int r = 0; r < 2; ++r) {
        for (int x = 0; x < 3; ++x) {
            const std::int16_t* v = kCells[r][x];
            course.SetCell(x, 1 - r, HeightCell{v[0], {v[1], v[2], v[3], v[4]}, 0});
        }
    }
}
