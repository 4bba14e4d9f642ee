#include "platform/CommandLineInfo.h"

#include <gtest/gtest.h>

// What each command line asks for; the printed texts are checked on the
// programs themselves.
TEST(CommandLineInfo, TellsWhatToDo)
{
    using C = CCommandLineInfo;
    const struct {
        std::vector<std::string> args;
        C::ShellCommand command;
        std::string fileName;
    } cases[] = {
        {{}, C::FileNew, ""},
        {{"/tmp/my courses/hill.hfd"}, C::FileOpen, "/tmp/my courses/hill.hfd"},
        {{"--help"}, C::ShowHelp, ""},
        {{"hill.hfd", "-h"}, C::ShowHelp, ""},
        {{"--version"}, C::ShowVersion, ""},
        {{"--fullscreen"}, C::BadArguments, ""},
        {{"a.hfd", "b.hfd"}, C::BadArguments, ""},
        {{""}, C::BadArguments, ""},
        {{"--", "--help"}, C::FileOpen, "--help"},
        {{"-"}, C::FileOpen, "-"},
    };
    CCommandLineInfo info;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "nothing" : c.args.back());
        info.ParseCommandLine(c.args);
        EXPECT_EQ(info.GetShellCommand(), c.command);
        EXPECT_EQ(c.command == C::FileOpen ? info.GetFileName() : "", c.fileName);
        EXPECT_EQ(info.GetError().empty(), c.command != C::BadArguments);
    }
    const char* argv[] = {"Braskit", "hill.hfd", nullptr};
    info.ParseCommandLine(2, argv);
    EXPECT_EQ(info.GetFileName(), "hill.hfd");
}
