// The archive writes exactly the little-endian bytes of each value and
// refuses to read past its end.

#include "platform/Archive.h"
#include "platform/ArchiveException.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

TEST(Archive, StoresLittleEndianValuesAndNothingElseAndLoadsThemBack)
{
    CArchive ar;
    EXPECT_TRUE(ar.IsStoring());
    ar << std::int32_t{0x12345678} << std::int16_t{-2} << std::int32_t{INT32_MIN} << std::int16_t{INT16_MAX}
       << std::int32_t{-1} << std::int16_t{INT16_MIN} << std::int32_t{INT32_MAX};
    const Bytes bytes = ar.Bytes();
    EXPECT_EQ(bytes, Bytes({0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 0x00, 0x00, 0x00, 0x80, 0xFF, 0x7F, 0xFF, 0xFF,
                            0xFF, 0xFF, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x7F}));

    CArchive in(bytes);
    EXPECT_TRUE(in.IsLoading());
    std::int32_t a = 0, c = 0, e = 0, g = 0;
    std::int16_t b = 0, d = 0, f = 0;
    in >> a >> b >> c >> d >> e >> f >> g;
    EXPECT_EQ(a, 0x12345678);
    EXPECT_EQ(b, -2);
    EXPECT_EQ(c, INT32_MIN);
    EXPECT_EQ(d, INT16_MAX);
    EXPECT_EQ(e, -1);
    EXPECT_EQ(f, INT16_MIN);
    EXPECT_EQ(g, INT32_MAX);
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
