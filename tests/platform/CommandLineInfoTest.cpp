#include "platform/CommandLineInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ParseCase {
    const char* name;
    std::vector<std::string> args;
    CCommandLineInfo::ShellCommand command;
    std::string fileName;
};

const ParseCase kParseCases[] = {
    {"nothing", {}, CCommandLineInfo::FileNew, ""},
    {"a course", {"hill.hfd"}, CCommandLineInfo::FileOpen, "hill.hfd"},
    {"a path with blanks", {"/tmp/my courses/hill.hfd"}, CCommandLineInfo::FileOpen, "/tmp/my courses/hill.hfd"},
    {"help", {"--help"}, CCommandLineInfo::ShowHelp, ""},
    {"short help", {"-h"}, CCommandLineInfo::ShowHelp, ""},
    {"help after a file", {"hill.hfd", "--help"}, CCommandLineInfo::ShowHelp, ""},
    {"version", {"--version"}, CCommandLineInfo::ShowVersion, ""},
    {"unknown option", {"--fullscreen"}, CCommandLineInfo::BadArguments, ""},
    {"two courses", {"a.hfd", "b.hfd"}, CCommandLineInfo::BadArguments, ""},
    {"empty name", {""}, CCommandLineInfo::BadArguments, ""},
    {"dash name after --", {"--", "-odd.hfd"}, CCommandLineInfo::FileOpen, "-odd.hfd"},
    {"--help after -- is a file", {"--", "--help"}, CCommandLineInfo::FileOpen, "--help"},
    {"a lone dash is a file", {"-"}, CCommandLineInfo::FileOpen, "-"},
};

class CommandLineCase : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineCase, TellsWhatToDo)
{
    const ParseCase& c = GetParam();
    CCommandLineInfo info;
    info.ParseCommandLine(c.args);
    EXPECT_EQ(info.GetShellCommand(), c.command) << c.name;
    if (c.command == CCommandLineInfo::FileOpen) {
        EXPECT_EQ(info.GetFileName(), c.fileName) << c.name;
    }
    EXPECT_EQ(info.GetError().empty(), c.command != CCommandLineInfo::BadArguments) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineCase, ::testing::ValuesIn(kParseCases));

TEST(CommandLineInfo, ReadsArgvAfterTheProgramNameAndForgetsEarlierResults)
{
    const char* argv[] = {"Braskit", "hill.hfd", nullptr};
    CCommandLineInfo info;
    info.ParseCommandLine({"--bogus"});
    info.ParseCommandLine(2, argv);
    EXPECT_EQ(info.GetShellCommand(), CCommandLineInfo::FileOpen);
    EXPECT_EQ(info.GetFileName(), "hill.hfd");
    EXPECT_TRUE(info.GetError().empty());
}

TEST(CommandLineTexts, VersionAndHelp)
{
    EXPECT_EQ(CCommandLineInfo::VersionText("Braskit"), "Braskit 1.0.0.1\n");
    const std::string help = CCommandLineInfo::HelpText("Braskit", "Course editor for the Brask game");
    EXPECT_EQ(help.rfind("Usage: Braskit [COURSE.hfd]\n", 0), 0u);
    EXPECT_NE(help.find("Course editor for the Brask game."), std::string::npos);
    EXPECT_NE(help.find("--help"), std::string::npos);
    EXPECT_NE(help.find("--version"), std::string::npos);
}

}  // namespace
