#include "platform/paths/DesktopPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

// A set, absolute variable wins; otherwise the home's default, or nothing without a home.
TEST(DesktopPaths, XdgFolders)
{
    EXPECT_EQ(XdgFolder("/data", "/home/ann", ".local/share"), "/data");
    EXPECT_EQ(XdgFolder(nullptr, "/home/ann", ".local/share"), "/home/ann/.local/share");
    EXPECT_EQ(XdgFolder("relative", "/home/ann", ".local/state"), "/home/ann/.local/state");
    EXPECT_EQ(XdgFolder("", "/", ".local/state"), "/.local/state");
    EXPECT_EQ(XdgFolder(nullptr, "", ".local/state"), "");
    EXPECT_EQ(ProgramFolder() + "/platform_paths_tests", std::filesystem::canonical("/proc/self/exe").string());
}
