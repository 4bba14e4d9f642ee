#pragma once

#include "course/HeightField.h"

#include <cstdint>

// A 3 x 2 course written as a table, top screen row first as it is shown:
// each cell is {type, corner[0], corner[1], corner[2], corner[3]}.
inline void FillThreeByTwo(CHeightField& course)
{
    static const int kCells[2][3][5] = {
        // course row 1 (top of the picture)
        {{3, 0, 5, 10, 15}, {1, 20, 30, 39, 40}, {7, 90, 95, 99, 150}},
        // course row 0 (bottom of the picture)
        {{1, 1, 2, 3, 4}, {2, 60, 70, 80, 89}, {9, -5, 50, 12, 25}},
    };
    course.Create(3, 2);
    for (int r = 0; r < 2; ++r) {
        for (int x = 0; x < 3; ++x) {
            const int* v = kCells[r][x];
            HeightCell cell{static_cast<std::int16_t>(v[0]),
                            {static_cast<std::int16_t>(v[1]), static_cast<std::int16_t>(v[2]),
                             static_cast<std::int16_t>(v[3]), static_cast<std::int16_t>(v[4])},
                            0};
            course.SetCell(x, 1 - r, cell);
        }
    }
}
