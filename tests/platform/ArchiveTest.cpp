// The archive writes exactly the little-endian bytes of each value and
// refuses to read past its end.

#include "platform/Archive.h"
#include "platform/ArchiveException.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

TEST(Archive, StoresLittleEndianValuesAndNothingElse)
{
    CArchive ar;
    EXPECT_TRUE(ar.IsStoring());
    ar << std::int32_t{0x12345678} << std::int16_t{-2} << std::int32_t{INT32_MIN} << std::int16_t{0x0102}
       << std::int32_t{-1};
    EXPECT_EQ(ar.Bytes(), Bytes({0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0x00, 0x00, 0x00, 0x80, 0x02, 0x01, 0xFF, 0xFF,
                                 0xFF, 0xFF}));
}

TEST(Archive, LoadsWhatWasStored)
{
    const std::int32_t ints[] = {0, 1, -1, INT32_MIN, INT32_MAX, 0x00FF00FF};
    const std::int16_t shorts[] = {0, 1, -1, INT16_MIN, INT16_MAX, 0x00FF};
    CArchive out;
    for (int i = 0; i < 6; ++i)
        out << ints[i] << shorts[i];
    CArchive in(out.Bytes());
    EXPECT_TRUE(in.IsLoading());
    for (int i = 0; i < 6; ++i) {
        std::int32_t a = 7;
        std::int16_t b = 7;
        in >> a >> b;
        EXPECT_EQ(a, ints[i]);
        EXPECT_EQ(b, shorts[i]);
    }
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(Archive, ReadingPastTheEndThrowsAndConsumesNothing)
{
    CArchive ar(Bytes{1, 2, 3, 4, 5});
    std::int32_t value = 0;
    ar >> value;
    EXPECT_EQ(ar.Remaining(), 1u);
    try {
        ar >> value;
        FAIL() << "read past the end";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.GetCause(), CArchiveException::endOfFile);
        EXPECT_STREQ(e.what(), "it ends before its last cell");
    }
    EXPECT_EQ(value, 0x04030201);
    EXPECT_EQ(ar.Remaining(), 1u);
    std::int16_t half = 0;
    EXPECT_THROW(ar >> half, CArchiveException);
    EXPECT_THROW(CArchive(Bytes{}) >> half, CArchiveException);
}

// Room made ahead is never part of the bytes, and storing grows past it.
TEST(Archive, ReserveOnlyMakesRoom)
{
    CArchive ar;
    ar.Reserve(100);
    EXPECT_TRUE(ar.Bytes().empty());
    ar << std::int16_t{1};
    EXPECT_EQ(ar.Bytes(), Bytes({1, 0}));
    ar.Reserve(1);
    for (std::int32_t i = 0; i < 1000; ++i)
        ar << i;
    ASSERT_EQ(ar.Bytes().size(), 4002u);
    EXPECT_EQ(ar.Remaining(), 0u);
    CArchive in(ar.Bytes());
    std::int16_t first = 0;
    in >> first;
    for (std::int32_t i = 0; i < 1000; ++i) {
        std::int32_t value = -1;
        in >> value;
        ASSERT_EQ(value, i);
    }
}
