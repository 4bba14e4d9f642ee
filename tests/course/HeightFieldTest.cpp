// The grid and its course file: bytes on disk, round trips, and files that
// are short, hostile or odd.

#include "AllocationProbe.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "platform/Archive.h"
#include "platform/ArchiveException.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes StoreBytes(CHeightField& grid, bool* stored = nullptr)
{
    CArchive ar;
    const bool ok = grid.Store(ar);
    if (stored != nullptr)
        *stored = ok;
    return ar.Bytes();
}

bool LoadBytes(CHeightField& grid, const Bytes& bytes)
{
    CArchive ar(bytes);
    return grid.Load(ar);
}

std::int16_t Int16At(const Bytes& bytes, std::size_t at)
{
    return static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8);
}

// Fills a grid with values that differ from cell to cell and field to field.
void FillDistinct(CHeightField& grid, int width, int height)
{
    grid.Create(width, height);
    for (int i = 0; i < width * height; ++i) {
        HeightCell& cell = grid.GetCell(i % width, i / width);
        cell.type = static_cast<std::int16_t>(100 * i + 1);
        for (int c = 0; c < 4; ++c)
            cell.corner[c] = static_cast<std::int16_t>(100 * i + 2 + c);
    }
}

void ExpectSameCourse(const CHeightField& a, const CHeightField& b)
{
    ASSERT_EQ(a.GetWidth(), b.GetWidth());
    ASSERT_EQ(a.GetHeight(), b.GetHeight());
    for (int i = 0; i < a.GetWidth() * a.GetHeight(); ++i) {
        const HeightCell& p = a.GetCell(i % a.GetWidth(), i / a.GetWidth());
        const HeightCell& q = b.GetCell(i % a.GetWidth(), i / a.GetWidth());
        ASSERT_TRUE(p.type == q.type && std::equal(p.corner, p.corner + 4, q.corner) && p.merged == q.merged)
            << "cell " << i;
    }
}

}  // namespace

TEST(HeightFieldFile, WorkedExamples)
{
    CHeightField grid;
    grid.Create(2, 1);
    EXPECT_EQ(StoreBytes(grid), Bytes({2, 0, 0, 0, 1, 0, 0, 0,        //
                                       1, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
                                       1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    ASSERT_TRUE(LoadBytes(grid, {1, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0xFE, 0xFF, 3, 0, 0x00, 0x01, 0xFF, 0x7F}));
    ASSERT_EQ(grid.GetWidth(), 1);
    ASSERT_EQ(grid.GetHeight(), 1);
    const HeightCell& cell = grid.GetCell(0, 0);
    EXPECT_EQ(cell.type, Ice);
    EXPECT_EQ(cell.corner[0], -2);
    EXPECT_EQ(cell.corner[1], 3);
    EXPECT_EQ(cell.corner[2], 256);
    EXPECT_EQ(cell.corner[3], 32767);
}

TEST(HeightFieldFile, RecordsLieRowAfterRow)
{
    CHeightField grid;
    FillDistinct(grid, 3, 2);
    const Bytes bytes = StoreBytes(grid);
    ASSERT_EQ(bytes.size(), 8u + 10u * 6u);
    for (int i = 0; i < 6; ++i) {
        const HeightCell& cell = grid.GetCell(i % 3, i / 3);
        for (int field = 0; field < 5; ++field)
            EXPECT_EQ(Int16At(bytes, 8 + 10 * i + 2 * field), field == 0 ? cell.type : cell.corner[field - 1])
                << "record " << i << " field " << field;
    }
}

// Types, corners and sizes of every kind, including types no cell uses.
TEST(HeightFieldFile, RandomCoursesSurviveARoundTrip)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> size(1, 9);
    std::uniform_int_distribution<int> value(INT16_MIN, INT16_MAX);
    for (int trial = 0; trial < 200; ++trial) {
        CHeightField grid;
        grid.Create(size(random), size(random));
        for (int y = 0; y < grid.GetHeight(); ++y)
            for (int x = 0; x < grid.GetWidth(); ++x) {
                HeightCell& cell = grid.GetCell(x, y);
                cell.type = static_cast<std::int16_t>(value(random));
                for (auto& corner : cell.corner)
                    corner = static_cast<std::int16_t>(value(random));
            }
        const Bytes bytes = StoreBytes(grid);
        ASSERT_EQ(bytes.size(), 8u + 10u * grid.GetWidth() * grid.GetHeight());
        CHeightField loaded;
        ASSERT_TRUE(LoadBytes(loaded, bytes));
        ExpectSameCourse(grid, loaded);
        EXPECT_EQ(StoreBytes(loaded), bytes);
    }
}

TEST(HeightFieldFile, MergeMarksAreNeitherStoredNorLoaded)
{
    CHeightField grid;
    FillDistinct(grid, 3, 2);
    const Bytes clear = StoreBytes(grid);
    grid.GetCell(1, 0).merged = 1;
    EXPECT_EQ(StoreBytes(grid), clear);

    // Loading over a larger, marked grid gives exactly the file's course.
    CHeightField loaded;
    FillDistinct(loaded, 5, 4);
    loaded.GetCell(1, 0).merged = 1;
    loaded.GetCell(4, 3).merged = 1;
    ASSERT_TRUE(LoadBytes(loaded, clear));
    grid.GetCell(1, 0).merged = 0;
    ExpectSameCourse(grid, loaded);
}

TEST(HeightFieldFile, BytesAfterTheLastCellAreIgnored)
{
    CHeightField grid;
    FillDistinct(grid, 3, 2);
    Bytes file = StoreBytes(grid);
    file.insert(file.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
    CHeightField loaded;
    CArchive ar(file);
    ASSERT_TRUE(loaded.Load(ar));
    EXPECT_EQ(ar.Remaining(), 5u);
    ExpectSameCourse(grid, loaded);
}

TEST(HeightFieldGrid, CreateMakesFloorCellsAtHeightZero)
{
    CHeightField grid;
    grid.Create(4, 3);
    grid.GetCell(1, 1) = HeightCell{Mud, {5, 6, 7, 8}, 1};
    grid.Create(3, 2);
    CHeightField expected;
    expected.Create(3, 2);
    for (int i = 0; i < 6; ++i)
        expected.GetCell(i % 3, i / 3) = HeightCell{Floor, {0, 0, 0, 0}, 0};
    ExpectSameCourse(expected, grid);
}

// An impossible size, or storage that cannot be had, leaves the grid empty;
// an empty grid stores nothing.
TEST(HeightFieldGrid, SizesItCannotHoldLeaveItEmpty)
{
    const struct {
        int width, height;
        std::size_t failAbove;  // 0: every allocation succeeds
    } cases[] = {{0, 0, 0}, {0, 5, 0}, {5, -1, 0}, {INT_MAX, INT_MAX, 0}, {4097, 4096, 0}, {100, 100, 1024}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        CHeightField grid;
        grid.Create(2, 2);
        {
            CAllocationProbe probe(c.failAbove);
            grid.Create(c.width, c.height);
        }
        EXPECT_EQ(grid.GetWidth(), 0);
        EXPECT_EQ(grid.GetHeight(), 0);
        bool stored = true;
        EXPECT_TRUE(StoreBytes(grid, &stored).empty());
        EXPECT_FALSE(stored);
    }
}

// A course is already loaded; each case offers a broken file, which must
// fail with the right cause and leave that course exactly as it was.
class HeightFieldBadFile : public ::testing::Test {
protected:
    static void MakeLoaded(CHeightField& grid)
    {
        FillDistinct(grid, 3, 2);
        grid.GetCell(2, 1).merged = 1;
    }

    void SetUp() override
    {
        MakeLoaded(m_grid);
        MakeLoaded(m_before);
    }

    // Returns the exception, or fails the test when the load did not throw.
    CArchiveException LoadFails(const Bytes& file)
    {
        CArchive ar(file);
        return LoadFails(ar);
    }

    CArchiveException LoadFails(CArchive& ar)
    {
        try {
            m_grid.Load(ar);
        } catch (const CArchiveException& e) {
            return e;
        }
        ADD_FAILURE() << "load of " << ar.Bytes().size() << " bytes did not fail";
        return CArchiveException(CArchiveException::endOfFile, "");
    }

    CHeightField m_grid;
    CHeightField m_before;
};

TEST_F(HeightFieldBadFile, TruncatedAtEveryByteFailsAndKeepsTheCourse)
{
    CHeightField other;
    FillDistinct(other, 4, 3);
    const Bytes whole = StoreBytes(other);
    for (std::size_t length = 0; length < whole.size(); ++length) {
        SCOPED_TRACE(length);
        const CArchiveException e = LoadFails(Bytes(whole.begin(), whole.begin() + length));
        EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
        EXPECT_STREQ(e.what(), length < 8 ? "it is too short to be a course file" : "it ends before its last cell");
        ExpectSameCourse(m_before, m_grid);
    }
}

TEST_F(HeightFieldBadFile, HostileHeadersAreRefusedBeforeAllocating)
{
    const struct {
        std::int32_t width, height;
        CArchiveException::Cause cause;
        const char* reason;
    } cases[] = {
        {0, 5, CArchiveException::badHeader, "its size, 0 x 5 cells, is impossible"},
        {5, 0, CArchiveException::badHeader, "its size, 5 x 0 cells, is impossible"},
        {0, 0, CArchiveException::badHeader, "its size, 0 x 0 cells, is impossible"},
        {-1, 3, CArchiveException::badHeader, "its size, -1 x 3 cells, is impossible"},
        {INT32_MIN, INT32_MIN, CArchiveException::badHeader,
         "its size, -2147483648 x -2147483648 cells, is impossible"},
        {INT32_MAX, INT32_MAX, CArchiveException::tooLarge,
         "it is 2147483647 x 2147483647 cells, more than this program can hold"},
        // Products that wrap to 0 or to a negative number in 32 bits.
        {65536, 65536, CArchiveException::tooLarge, "it is 65536 x 65536 cells, more than this program can hold"},
        {46341, 46341, CArchiveException::tooLarge, "it is 46341 x 46341 cells, more than this program can hold"},
        // Ten bytes a cell wraps a 32-bit byte count.
        {429496730, 1, CArchiveException::tooLarge, "it is 429496730 x 1 cells, more than this program can hold"},
        {4097, 4096, CArchiveException::tooLarge, "it is 4097 x 4096 cells, more than this program can hold"},
        // Sizes we could hold, but the file has room for one cell only.
        {4096, 4096, CArchiveException::endOfFile, "it ends before its last cell"},
        {1, 2, CArchiveException::endOfFile, "it ends before its last cell"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " x " << c.height);
        CArchive header;
        header << c.width << c.height;
        Bytes file = header.Bytes();
        file.resize(16, 0x01);  // header and eight more bytes: not even one cell
        CAllocationProbe probe;
        const CArchiveException e = LoadFails(file);
        EXPECT_LT(probe.Largest(), 4096u);
        EXPECT_EQ(e.GetCause(), c.cause);
        EXPECT_STREQ(e.what(), c.reason);
        ExpectSameCourse(m_before, m_grid);
    }
}

TEST_F(HeightFieldBadFile, OutOfMemoryIsAFailedLoad)
{
    CHeightField other;
    FillDistinct(other, 30, 20);
    CArchive ar(StoreBytes(other));
    CArchiveException e(CArchiveException::endOfFile, "");
    {
        CAllocationProbe failBig(1024);
        e = LoadFails(ar);
    }
    EXPECT_EQ(e.GetCause(), CArchiveException::tooLarge);
    EXPECT_STREQ(e.what(), "there is not enough memory for its 30 x 20 cells");
    ExpectSameCourse(m_before, m_grid);
}
