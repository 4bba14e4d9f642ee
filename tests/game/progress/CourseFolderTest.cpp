// The courses of a folder in name order, and the one after a course.
#include "game/progress/CourseFolder.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(CourseFolder, NameOrderTakesNumbersByValueAndLettersWithoutCase)
{
    const char* const ordered[] = {"1.hfd", "01b.hfd", "2-hill.hfd", "10-hill.hfd", "a.hfd",
                                   "B.hfd", "b.hfd", "b2.hfd", "b10.hfd", "ba.hfd"};
    for (std::size_t i = 0; i < std::size(ordered); ++i)
        for (std::size_t j = 0; j < std::size(ordered); ++j)
            EXPECT_EQ(CCourseFolder::NameLess(ordered[i], ordered[j]), i < j) << ordered[i] << " " << ordered[j];
}

TEST(CourseFolder, ListsItsCoursesInNameOrderAndTellsTheNext)
{
    CTempFolder folder;
    for (const char* name : {"10-last.hfd", "2-two.HFD", "1-one.hfd", "notes.txt", "hfd"})
        folder.Write(name, {});
    std::filesystem::create_directory(folder.Path("3-folder.hfd"));
    const std::vector<std::string> expected = {folder.Path("1-one.hfd"), folder.Path("2-two.HFD"),
                                               folder.Path("10-last.hfd")};
    EXPECT_EQ(CCourseFolder(folder.Path()).List(), expected);
    EXPECT_EQ(CCourseFolder::NextAfter(folder.Path("1-one.hfd")), folder.Path("2-two.HFD"));
    EXPECT_EQ(CCourseFolder::NextAfter(folder.Path("2-two.HFD")), folder.Path("10-last.hfd"));
    EXPECT_EQ(CCourseFolder::NextAfter(folder.Path("10-last.hfd")), "");
    EXPECT_EQ(CCourseFolder::NextAfter(folder.Path("1-gone.hfd")), folder.Path("1-one.hfd"));
    EXPECT_TRUE(CCourseFolder(folder.Path("missing")).List().empty());
}

}  // namespace
