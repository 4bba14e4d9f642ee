// make-bench-course SIDE smooth|rough FILE [corner]: writes a SIDE x SIDE
// varied course (bench/VariedCourse.h) for the game's benchmarks, with its
// start near the corner where the camera starts when asked.

#include "VariedCourse.h"

#include "course/HeightField.h"
#include "document/Archive.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMinSide = 2;
constexpr int kMaxSide = 4096;

} // namespace

int main(int argc, char** argv)
{
    const bool sized = argc == 4 || (argc == 5 && std::strcmp(argv[4], "corner") == 0);
    const int side = sized ? std::atoi(argv[1]) : 0;
    const bool smooth = sized && std::strcmp(argv[2], "smooth") == 0;
    const bool rough = sized && std::strcmp(argv[2], "rough") == 0;
    if (side < kMinSide || side > kMaxSide || !(smooth || rough)) {
        std::fprintf(stderr, "usage: make-bench-course SIDE smooth|rough FILE [corner] (SIDE from %d to %d)\n",
                     kMinSide, kMaxSide);
        return 2;
    }
    CHeightField grid;
    MakeVariedCourse(grid, side, rough, argc == 5);
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
