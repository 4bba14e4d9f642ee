// The record store: the faster finish kept per course key, in a file written whole; a damaged file reads as
// no records and is replaced by the next one. That a key follows the content is BraskDocTest's.
#include "game/progress/BestTimes.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

std::string Text(const CTempFolder& folder, const std::string& name)
{
    const CTempFolder::Bytes bytes = folder.Read(name);
    return std::string(bytes.begin(), bytes.end());
}

TEST(BestTimes, KeepsTheFasterFinish)
{
    CTempFolder folder;
    CBestTimes times(folder.Path("state/brask/best-times"));  // its folders come with the first record
    const struct {
        std::uint64_t ms;
        bool newBest, hadBest;
        std::uint64_t previous;
    } finishes[] = {{12340, true, false, 0}, {13000, false, true, 12340}, {11800, true, true, 12340},
                    {11800, false, true, 11800}};
    for (const auto& f : finishes) {
        CBestTimes::Finish finish;
        std::string reason;
        ASSERT_TRUE(times.Record("k1", f.ms, finish, reason)) << reason;
        EXPECT_TRUE(finish.newBest == f.newBest && finish.hadBest == f.hadBest) << f.ms;
        EXPECT_EQ(finish.hadBest ? finish.previousBest : 0, f.previous) << f.ms;
    }
    CBestTimes::Finish finish;
    std::string reason;
    ASSERT_TRUE(times.Record("k2", 900, finish, reason));
    EXPECT_EQ(Text(folder, "state/brask/best-times"), "brask best times 1\nk1 11800\nk2 900\n");
    EXPECT_EQ(folder.Count("state/brask"), 1u) << "a temporary file was left";
    CBestTimes later(folder.Path("state/brask/best-times"));
    std::uint64_t best = 0;
    later.Load();
    EXPECT_TRUE(later.Find("k1", best) && best == 11800 && !later.Find("k3", best));
}

TEST(BestTimes, ADamagedFileReadsAsEmptyAndIsReplaced)
{
    const std::string header = "brask best times 1\n";
    for (const std::string& damage : {std::string(), header + "k\n", header + "k 5x\n", header + "k 1234567890123456\n",
                                      header + " k 5\n", std::string("brask best times 2\nk 5\n"),
                                      std::string("\0\xff\x01", 3)}) {
        CTempFolder folder;
        folder.Write("best-times", CTempFolder::Bytes(damage.begin(), damage.end()));
        CBestTimes times(folder.Path("best-times"));
        times.Load();
        std::uint64_t best = 0;
        EXPECT_FALSE(times.Find("k", best)) << damage;
        CBestTimes::Finish finish;
        std::string reason;
        EXPECT_TRUE(times.Record("j", 500, finish, reason) && finish.newBest && !finish.hadBest) << reason;
        EXPECT_EQ(Text(folder, "best-times"), "brask best times 1\nj 500\n") << damage;
    }
}

}  // namespace
