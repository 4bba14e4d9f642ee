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
    const char* argv[] = {"Braskit", "hill.hfd", nullptr};
    info.ParseCommandLine(2, argv);
    EXPECT_EQ(info.GetFileName(), "hill.hfd");
}
