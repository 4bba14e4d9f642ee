#pragma once

#include <cstdint>

// Values stored in a cell's `type`. A course file may hold any 16-bit value;
// values outside this list roll like Floor.
enum CellType : std::int16_t {
    Floor = 1,
    Hole = 2,
    Start = 3,
    Finish = 4,
    Mpull = 5,
    Mpush = 6,
    Ice = 7,
    Mud = 8,
};
