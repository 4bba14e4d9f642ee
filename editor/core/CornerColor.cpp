#include "editor/core/CornerColor.h"

#include "course/HeightCell.h"

namespace {

constexpr int kHeightsPerBand = 10;
// One step of a band changes a colour part by this much: 10 steps of 25
// run a part from 0 to 250.
constexpr int kBandStep = 25;
constexpr int kBandTop = 250;

std::uint8_t Byte(int value)
{
    return static_cast<std::uint8_t>(value);
}

}  // namespace

RgbColor CornerColor(int height)
{
    int c = height;
    if (c >= kHighestHeight)
        c = kHighestHeight;
    if (c <= kLowestHeight)
        c = kLowestHeight;
    const int band = c / kHeightsPerBand;
    const int k = c - kHeightsPerBand * band;
    const int up = kBandStep * k;
    const int down = kBandTop - kBandStep * k;
    switch (band) {
    case 0: return {Byte(kBandStep * c), 0, Byte(kBandStep * c)};
    case 1:
    case 4:
    case 7: return {Byte(down), Byte(up), Byte(kBandTop)};
    case 2:
    case 5:
    case 8: return {Byte(up), Byte(kBandTop), Byte(down)};
    case 3:
    case 6: return {Byte(kBandTop), Byte(down), Byte(up)};
    default:
        // The top band's blue grows by one per height, not by a step, so the
        // ramp ends near pure red rather than back at pink.
        return {Byte(kBandTop), Byte(down), Byte(k)};
    }
}
