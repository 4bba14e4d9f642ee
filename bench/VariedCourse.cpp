#include "VariedCourse.h"

#include "course/CoursePicture.h"
#include "course/HeightField.h"

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kBlock = 8;

struct Block {
    char type;
    int base, slopeX, slopeY;
    bool start;
};

}  // namespace

void MakeVariedCourse(CHeightField& grid, int side, bool rough, bool nearCorner)
{
    std::mt19937 random(7);
    auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const char types[] = "....im#<.F";
    const int blocks = (side + kBlock - 1) / kBlock, middle = nearCorner && blocks > 1 ? 1 : side / 2 / kBlock;
    std::vector<Block> plan(static_cast<std::size_t>(blocks) * blocks);
    for (int i = 0; i < blocks * blocks; ++i) {
        const bool start = i == middle * blocks + middle;
        // Bases from 36 to 63, slopes of up to 2 a cell each way over a block
        // of 8 and bumps of 4 keep within what the editor can set.
        plan[i] = {start ? '.' : types[pick(0, 9)], pick(36, 63), !start && pick(0, 2) == 0 ? pick(-2, 2) : 0,
                   !start && pick(0, 2) == 0 ? pick(-2, 2) : 0, start};
    }
    const auto blockOf = [&](int x, int y) -> const Block& { return plan[y / kBlock * blocks + x / kBlock]; };
    std::vector<std::string> picture(side, std::string(side, '.'));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            picture[side - 1 - y][x] = blockOf(x, y).type;
    // A course smaller than a block has its start in its middle cell.
    const int startCell = side < kBlock ? side / 2 : middle * kBlock + kBlock / 2;
    picture[side - 1 - startCell][startCell] = 'S';
    const auto heights = [&](int x, int y) {
        const Block& b = blockOf(x, y);
        const auto h = [&](int cx, int cy) {
            const int bump = rough && !b.start && pick(0, 15) == 0 ? pick(-4, 4) : 0;
            return b.base + b.slopeX * (cx - x / kBlock * kBlock) + b.slopeY * (cy - y / kBlock * kBlock) + bump;
        };
        return std::array<int, 4>{h(x, y), h(x + 1, y), h(x + 1, y + 1), h(x, y + 1)};
    };
    std::string reason;
    if (!PaintCourse(grid, picture, heights, reason))
        throw std::logic_error("the varied course is no course: " + reason);
}
