// The grid and its course file: the bytes on disk, and files that are short,
// hostile or too big for memory. Round trips and refusals over random bytes
// are the course_open fuzz target's.

#include "AllocationProbe.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "platform/Archive.h"
#include "platform/ArchiveException.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes StoreBytes(CHeightField& grid)
{
    CArchive ar;
    grid.Store(ar);
    return ar.Bytes();
}

void FillDistinct(CHeightField& grid)
{
    grid.Create(3, 2);
    for (int i = 0; i < 6; ++i)
        grid.GetCell(i % 3, i / 3) = HeightCell{std::int16_t(i + 1), {std::int16_t(i), 2, 3, std::int16_t(-i)}, 0};
}

}  // namespace

TEST(HeightFieldFile, WorkedExamples)
{
    CHeightField grid;
    grid.Create(2, 1);
    EXPECT_EQ(StoreBytes(grid), Bytes({2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
                                       1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    const Bytes one = {1, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0xFE, 0xFF, 3, 0, 0x00, 0x01, 0xFF, 0x7F};
    CArchive ar(one);
    ASSERT_TRUE(grid.Load(ar));
    ASSERT_EQ(grid.GetWidth() * grid.GetHeight(), 1);
    const HeightCell& cell = grid.GetCell(0, 0);
    EXPECT_EQ(cell.type, Ice);
    EXPECT_EQ(std::vector<int>(cell.corner, cell.corner + 4), std::vector<int>({-2, 3, 256, 32767}));
    EXPECT_EQ(StoreBytes(grid), one);
}

// Create makes Floor at height 0; a size it cannot hold, or storage that
// cannot be had, leaves the grid empty, and an empty grid stores nothing.
TEST(HeightFieldGrid, CreateMakesFloorAtZeroOrNothing)
{
    CHeightField grid;
    FillDistinct(grid);
    grid.GetCell(1, 1).merged = 1;
    grid.Create(3, 2);
    for (int i = 0; i < 6; ++i) {
        const HeightCell& c = grid.GetCell(i % 3, i / 3);
        EXPECT_TRUE(c.type == Floor && !(c.corner[0] | c.corner[1] | c.corner[2] | c.corner[3] | c.merged));
    }
    const int cases[][3] = {{0, 5, 0}, {5, -1, 0}, {INT_MAX, INT_MAX, 0}, {4097, 4096, 0}, {100, 100, 1024}};
    for (const auto& c : cases) {
        grid.Create(2, 2);
        {
            CAllocationProbe probe(static_cast<std::size_t>(c[2]));
            grid.Create(c[0], c[1]);
        }
        CArchive ar;
        EXPECT_TRUE(grid.GetWidth() == 0 && grid.GetHeight() == 0 && !grid.Store(ar) && ar.Bytes().empty()) << c[0];
    }
}

// A course is loaded; each broken file must fail with its cause and reason,
// before anything big is allocated, and leave that course as it was.
TEST(HeightFieldFile, BrokenFilesAreRefusedAndChangeNothing)
{
    const struct {
        std::int32_t width, height;
        std::size_t length;     // bytes of the file; the header's part first
        std::size_t failAbove;  // 0: every allocation succeeds
        CArchiveException::Cause cause;
        const char* reason;
    } cases[] = {
        {3, 2, 0, 0, CArchiveException::endOfFile, "it is too short to be a course file"},
        {3, 2, 5, 0, CArchiveException::endOfFile, "it is too short to be a course file"},
        {3, 2, 8, 0, CArchiveException::endOfFile, "it ends before its last cell"},
        {3, 2, 67, 0, CArchiveException::endOfFile, "it ends before its last cell"},
        {0, 5, 16, 0, CArchiveException::badHeader, "its size, 0 x 5 cells, is impossible"},
        {5, 0, 16, 0, CArchiveException::badHeader, "its size, 5 x 0 cells, is impossible"},
        {INT32_MIN, -1, 16, 0, CArchiveException::badHeader, "its size, -2147483648 x -1 cells, is impossible"},
        {INT32_MAX, INT32_MAX, 16, 0, CArchiveException::tooLarge,
         "it is 2147483647 x 2147483647 cells, more than this program can hold"},
        // Products that wrap to 0 in 32 bits, and a byte count that wraps.
        {65536, 65536, 16, 0, CArchiveException::tooLarge, "it is 65536 x 65536 cells, more than this program can hold"},
        {429496730, 1, 16, 0, CArchiveException::tooLarge,
         "it is 429496730 x 1 cells, more than this program can hold"},
        {4097, 4096, 16, 0, CArchiveException::tooLarge, "it is 4097 x 4096 cells, more than this program can hold"},
        // The largest course there may be, with room for one cell only.
        {4096, 4096, 18, 0, CArchiveException::endOfFile, "it ends before its last cell"},
        {30, 20, 8 + 6000, 1024, CArchiveException::tooLarge, "there is not enough memory for its 30 x 20 cells"},
    };
    CHeightField before, grid;
    FillDistinct(before);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        FillDistinct(grid);
        CArchive header;
        header << c.width << c.height;
        Bytes file = header.Bytes();
        file.resize(c.length, 0x01);
        CArchive ar(file);
        CAllocationProbe probe(c.failAbove);
        try {
            grid.Load(ar);
            ADD_FAILURE() << "the load did not fail";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.GetCause(), c.cause);
            EXPECT_STREQ(e.what(), c.reason);
        }
        EXPECT_TRUE(c.failAbove != 0 || probe.Largest() < 4096u) << probe.Largest() << " bytes asked for";
        ASSERT_EQ(StoreBytes(grid), StoreBytes(before));
    }
}
