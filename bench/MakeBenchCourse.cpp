// make-bench-course SIDE smooth|rough FILE: writes a SIDE x SIDE varied
// course for the game's benchmarks. Blocks of 8 x 8 cells of one type each,
// flat or sloped, at random heights, so that runs, walls and crossings all
// occur; rough blocks also have one corner in 16 out of line, which breaks
// most runs. The middle block is flat Floor with the start cell at its
// centre, so that the ball rests there while the game is measured.

#include "course/CellType.h"
#include "course/HeightField.h"
#include "document/Archive.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

constexpr int kBlock = 8;
constexpr int kMinSide = 2 * kBlock;
constexpr int kMaxSide = 4096;

void MakeVariedCourse(CHeightField& grid, int side, bool rough)
{
    grid.Create(side, side);
    std::mt19937 random(7);
    auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const std::int16_t types[] = {Floor, Floor, Floor, Floor, Ice, Mud, Hole, Mpull, Floor, Finish};
    const int middle = side / 2 / kBlock * kBlock;
    for (int by = 0; by < side; by += kBlock)
        for (int bx = 0; bx < side; bx += kBlock) {
            const bool startBlock = bx == middle && by == middle;
            const std::int16_t type = startBlock ? std::int16_t{Floor} : types[pick(0, 9)];
            const int base = pick(0, 60);
            const int slopeX = !startBlock && pick(0, 2) == 0 ? pick(-3, 3) : 0;
            const int slopeY = !startBlock && pick(0, 2) == 0 ? pick(-3, 3) : 0;
            for (int y = by; y < by + kBlock && y < side; ++y)
                for (int x = bx; x < bx + kBlock && x < side; ++x) {
                    const auto h = [&](int cx, int cy) {
                        const int bump = rough && !startBlock && pick(0, 15) == 0 ? pick(-4, 4) : 0;
                        return static_cast<std::int16_t>(base + slopeX * (cx - bx) + slopeY * (cy - by) + bump);
                    };
                    grid.SetCell(x, y, HeightCell{type, {h(x, y), h(x + 1, y), h(x + 1, y + 1), h(x, y + 1)}, 0});
                }
        }
    const int start = middle + kBlock / 2;
    HeightCell cell = grid.GetCell(start, start);
    cell.type = Start;
    grid.SetCell(start, start, cell);
}

} // namespace

int main(int argc, char** argv)
{
    const int side = argc == 4 ? std::atoi(argv[1]) : 0;
    const bool smooth = argc == 4 && std::strcmp(argv[2], "smooth") == 0;
    const bool rough = argc == 4 && std::strcmp(argv[2], "rough") == 0;
    if (side < kMinSide || side > kMaxSide || !(smooth || rough)) {
        std::fprintf(stderr, "usage: make-bench-course SIDE smooth|rough FILE (SIDE from %d to %d)\n", kMinSide,
                     kMaxSide);
        return 2;
    }
    CHeightField grid;
    MakeVariedCourse(grid, side, rough);
    CArchive archive;
    grid.Store(archive);
    const std::vector<std::uint8_t>& bytes = archive.Bytes();
    std::FILE* file = std::fopen(argv[3], "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
        std::fclose(file) != 0) {
        std::fprintf(stderr, "make-bench-course: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
