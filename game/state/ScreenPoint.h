#pragma once

#include <cstdint>

// A pointer position in screen pixels, x growing to the right and y growing
// downwards.
struct ScreenPoint {
    std::int32_t x;
    std::int32_t y;
};
