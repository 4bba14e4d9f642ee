// The Courses menu's lists: both folders, each in name order, with the best time of each course's content, so
// a renamed or moved copy keeps its record and an edited course has none. The times in words are here too.
#include "game/progress/CourseCatalog.h"

#include "game/progress/BestTimes.h"
#include "game/progress/TimeText.h"
#include "game/state/BraskDoc.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(CourseCatalog, ARecordFollowsTheCourseContent)
{
    CTempFolder folder;
    std::filesystem::create_directories(folder.Path("mine"));
    const CTempFolder::Bytes course = {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    folder.Write("shipped-2.hfd", course);
    folder.Write("shipped-10.hfd", {9});
    CBestTimes times(folder.Path("best-times"));
    CBestTimes::Finish finish;
    std::string reason;
    ASSERT_TRUE(times.Record(CBraskDoc::ContentKey(course), 8020, finish, reason)) << reason;
    std::filesystem::rename(folder.Path("shipped-2.hfd"), folder.Path("mine/renamed.hfd"));
    folder.Write("mine/edited.hfd", {1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1});

    CCourseCatalog catalog;
    catalog.Refresh(folder.Path(), folder.Path("mine"), times);
    ASSERT_EQ(catalog.Installed().size(), 1u);
    ASSERT_EQ(catalog.Own().size(), 2u);
    EXPECT_TRUE(catalog.Installed()[0].name == "shipped-10" && !catalog.Installed()[0].hasBest);
    EXPECT_TRUE(catalog.Own()[0].name == "edited" && !catalog.Own()[0].hasBest);
    EXPECT_TRUE(catalog.Own()[1].name == "renamed" && catalog.Own()[1].hasBest && catalog.Own()[1].best == 8020);
}

TEST(TimeText, StopwatchHundredths)
{
    const std::uint64_t best = 11800;
    EXPECT_EQ(SecondsText(12349), "12.34 s");
    EXPECT_EQ(RunningTimeText(1020, nullptr), "Time 1.02 s");
    EXPECT_EQ(RunningTimeText(1020, &best), "Time 1.02 s (best 11.80 s)");
    EXPECT_EQ(FinishText(12340, false, best), "Finished in 12.34 s (best 11.80 s)");
    EXPECT_EQ(FinishText(11200, true, best), "Finished in 11.20 s. New best time");
}

}  // namespace
