// The grid and its course file: the bytes on disk, and files that are short,
// hostile or too big for memory. Round trips and refusals over random bytes
// are the course_open fuzz target's.

#include "AllocationProbe.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "document/Archive.h"
#include "document/ArchiveException.h"

#include <gtest/gtest.h>

#include <climits>

using Bytes = std::vector<std::uint8_t>;

static Bytes StoreBytes(CHeightField& grid) { CArchive ar; grid.Store(ar); return ar.Bytes(); }

TEST(HeightFieldFile, WorkedExamples)
{
    CHeightField grid;
    grid.Create(2, 1);
    EXPECT_EQ(StoreBytes(grid),
              Bytes({2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    const Bytes one = {1, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0xFE, 0xFF, 3, 0, 0x00, 0x01, 0xFF, 0x7F};
    CArchive ar(one);
    ASSERT_TRUE(grid.Load(ar) && grid.GetWidth() == 1 && grid.GetHeight() == 1);
    EXPECT_EQ(grid.GetCell(0, 0), (HeightCell{Ice, {-2, 3, 256, 32767}, 0}));
    EXPECT_EQ(StoreBytes(grid), one);
}

// A size the grid cannot hold, or storage that cannot be had, leaves it
// empty, and an empty grid stores nothing.
TEST(HeightFieldGrid, SizesItCannotHoldLeaveItEmpty)
{
    CHeightField grid;
    const int cases[][3] = {{0, 5, 0}, {5, -1, 0}, {INT_MAX, INT_MAX, 0}, {4097, 4096, 0}, {100, 100, 1024}};
    for (const auto& c : cases) {
        grid.Create(2, 2);
        {
            CAllocationProbe probe(static_cast<std::size_t>(c[2]));
            grid.Create(c[0], c[1]);
        }
        CArchive ar;
        EXPECT_TRUE(grid.GetWidth() == 0 && grid.GetHeight() == 0 && !grid.Store(ar) && ar.Bytes().empty()) << c[0];
        try {
            grid.StoreForSave(ar);  // a document's save: refused, as its empty file would be no course
            ADD_FAILURE() << "an empty course was saved";
        } catch (const CArchiveException& e) {
            EXPECT_STREQ(e.what(), "the course has no cells, and a course file needs at least one");
        }
    }
}

// A course is loaded; each broken file must fail with its cause and reason,
// before anything big is allocated, and leave that course as it was.
TEST(HeightFieldFile, BrokenFilesAreRefusedAndChangeNothing)
{
    using E = CArchiveException;
    const struct {
        std::int32_t width, height;
        std::size_t length, failAbove;  // bytes of the file; 0: every allocation succeeds
        E::Cause cause;
        const char* reason;
    } cases[] = {
        {3, 2, 0, 0, E::endOfFile, "it is too short to be a course file"},
        {3, 2, 5, 0, E::endOfFile, "it is too short to be a course file"},
        {3, 2, 8, 0, E::endOfFile, "it ends before its last cell"},
        {3, 2, 67, 0, E::endOfFile, "it ends before its last cell"},
        {0, 5, 16, 0, E::badHeader, "its size, 0 x 5 cells, is impossible"},
        {INT32_MIN, -1, 16, 0, E::badHeader, "its size, -2147483648 x -1 cells, is impossible"},
        {INT32_MAX, INT32_MAX, 16, 0, E::tooLarge,
         "it is 2147483647 x 2147483647 cells, more than this program can hold"},
        // Products that wrap to 0 in 32 bits, and a byte count that wraps.
        {65536, 65536, 16, 0, E::tooLarge, "it is 65536 x 65536 cells, more than this program can hold"},
        {429496730, 1, 16, 0, E::tooLarge, "it is 429496730 x 1 cells, more than this program can hold"},
        {4097, 4096, 16, 0, E::tooLarge, "it is 4097 x 4096 cells, more than this program can hold"},
        // The largest course there may be, with room for one cell only.
        {4096, 4096, 18, 0, E::endOfFile, "it ends before its last cell"},
        {30, 20, 8 + 6000, 1024, E::tooLarge, "there is not enough memory for its 30 x 20 cells"},
    };
    CHeightField grid;
    grid.Create(3, 2);
    grid.GetCell(2, 1) = HeightCell{Ice, {1, 2, 3, 4}, 0};
    const Bytes before = StoreBytes(grid);
    for (const auto& c : cases) {
        CArchive header;
        header << c.width << c.height;
        Bytes file = header.Bytes();
        file.resize(c.length, 0x01);
        CArchive ar(file);
        CAllocationProbe probe(c.failAbove);
        try {
            grid.Load(ar);
            ADD_FAILURE() << "the load did not fail: " << c.reason;
        } catch (const E& e) {
            EXPECT_EQ(e.GetCause(), c.cause) << c.reason;
            EXPECT_STREQ(e.what(), c.reason);
        }
        EXPECT_TRUE(c.failAbove != 0 || probe.Largest() < 4096u) << probe.Largest() << " bytes asked for";
        ASSERT_EQ(StoreBytes(grid), before);
    }
}
