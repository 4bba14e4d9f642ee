#pragma once

#include <cstdint>

// A colour as red, green and blue bytes.
struct RgbColor {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    bool operator==(const RgbColor& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

// The colour of a corner square for a corner height: black at 0, then bands
// of ten heights cycling magenta -> cyan -> yellow -> pink, ending near red
// at 99. Heights outside 0..99 take the colour of the nearer end.
RgbColor CornerColor(int height);
