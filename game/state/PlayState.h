#pragma once

#include <cstdint>

// Status of a game. There is no state 2.
enum PlayState : std::int32_t {
    Idle = 0,
    Rolling = 1,
    Lost = 3,
    Won = 4,
};
