#include "platform/shell/RecentFileMenu.h"

#include "platform/shell/CommandIds.h"
#include "tests/support/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/sstream.h>

TEST(RecentFileMenu, LabelsNumberTheEntriesAndShortenThePaths)
{
    EXPECT_EQ(CRecentFileMenu::MenuLabel(0, "/home/ann/courses/hill.hfd", "/home/ann"), "&1 ~/courses/hill.hfd");
    EXPECT_EQ(CRecentFileMenu::MenuLabel(1, "/home/annie/x.hfd", "/home/ann"), "&2 /home/annie/x.hfd");
    EXPECT_EQ(CRecentFileMenu::MenuLabel(3, "/tmp/R&D.hfd", "/home/ann"), "&4 /tmp/R&&D.hfd");
    EXPECT_EQ(CRecentFileMenu::MenuLabel(0, "/a/long/folder/name/that/goes/on/for/ever/courses/hill.hfd", "/h"),
              L"&1 \u2026/name/that/goes/on/for/ever/courses/hill.hfd");
}

// Newest first in the slot of the "Recent File" item, which shows greyed
// while the list is empty; the list survives the settings.
TEST(RecentFileMenu, FillsThePlaceholdersSlotAndSurvivesTheSettings)
{
    BRASK_REQUIRE_DISPLAY();
    wxMenu menu;
    menu.Append(ID_FILE_SAVE, "&Save");
    menu.Append(ID_FILE_MRU_FILE1, "Recent File");
    menu.Append(ID_APP_EXIT, "E&xit");
    const auto slot = [&menu] {
        wxString labels;
        for (size_t i = 1; i + 1 < menu.GetMenuItemCount(); ++i)
            labels << menu.FindItemByPosition(i)->GetItemLabel() << (menu.IsEnabled(ID_FILE_MRU_FILE1) ? ";" : "-;");
        return labels;
    };
    CRecentFileMenu recent(4);
    recent.Attach(&menu);
    EXPECT_EQ(slot(), "Recent File-;");
    for (const char* name : {"/c/a.hfd", "/c/b.hfd", "/c/c.hfd", "/c/d.hfd", "/c/e.hfd", "/c/c.hfd"})
        recent.Add(name);
    EXPECT_EQ(slot(), "&1 /c/c.hfd;&2 /c/e.hfd;&3 /c/d.hfd;&4 /c/b.hfd;");
    EXPECT_EQ(recent.GetFile(static_cast<std::size_t>(recent.IndexOfCommand(ID_FILE_MRU_FILE1 + 1))), "/c/e.hfd");
    wxStringInputStream empty("");
    wxFileConfig config(empty);
    recent.Save(config);
    for (const char* name : {"/c/c.hfd", "/c/d.hfd", "/c/b.hfd"})
        recent.Remove(name);
    recent.Save(config);  // a shorter list must not keep old entries
    recent.Remove("/c/e.hfd");
    EXPECT_EQ(slot(), "Recent File-;");
    recent.Load(config);
    EXPECT_TRUE(slot() == "&1 /c/e.hfd;" && recent.IndexOfCommand(ID_FILE_MRU_FILE1 + 1) == -1) << slot();
}
