#include "platform/shell/CommandLineInfo.h"

#include <gtest/gtest.h>

// What each command line asks for; the texts printed are checked on the
// programs themselves.
TEST(CommandLineInfo, TellsWhatToDo)
{
    using C = CCommandLineInfo;
    const struct {
        std::vector<std::string> args;
        C::ShellCommand command;
        std::string fileName;
    } cases[] = {
        {{}, C::FileNew, ""}, {{"/my courses/hill.hfd"}, C::FileOpen, "/my courses/hill.hfd"},
        {{"--help"}, C::ShowHelp, ""}, {{"hill.hfd", "-h"}, C::ShowHelp, ""}, {{"--version"}, C::ShowVersion, ""},
        {{"--fullscreen"}, C::BadArguments, ""}, {{"a.hfd", "b.hfd"}, C::BadArguments, ""}, {{""}, C::BadArguments, ""},
        {{"--", "--help"}, C::FileOpen, "--help"}, {{"-"}, C::FileOpen, "-"},
    };
    CCommandLineInfo info;
    for (const auto& c : cases) {
        info.ParseCommandLine(c.args);
        EXPECT_EQ(info.GetShellCommand(), c.command) << c.args.size();
        EXPECT_EQ(c.command == C::FileOpen ? info.GetFileName() : "", c.fileName);
        EXPECT_EQ(info.GetError().empty(), c.command != C::BadArguments);
    }
    const char* argv[] = {"/usr/games/braskit", "hill.hfd", nullptr};
    info.ParseCommandLine(2, argv);
    EXPECT_EQ(info.GetFileName(), "hill.hfd");
    EXPECT_EQ(info.GetProgramName(), "braskit");
}

// The help names the command as typed, every option the parser takes, and the manual page.
TEST(CommandLineInfo, HelpListsEveryOption)
{
    const std::string help = CCommandLineInfo::HelpText("brask", "A game", "brask");
    EXPECT_EQ(help.rfind("Usage: brask [OPTION]... [COURSE.hfd]\nA game.\n", 0), 0u) << help;
    EXPECT_NE(help.find("man 6 brask\n"), std::string::npos);
    CCommandLineInfo info;
    for (const char* option : {"-h", "--help", "--version", "--"}) {
        info.ParseCommandLine({option});
        EXPECT_NE(info.GetShellCommand(), CCommandLineInfo::BadArguments);
        EXPECT_NE(help.find(std::string(" ") + option + (option[1] == '-' ? "  " : ", ")), std::string::npos) << option;
    }
}
