#include "platform/RecentFileMenu.h"

#include "platform/CommandIds.h"
#include "tests/platform/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/sstream.h>

#include <memory>

namespace {

TEST(RecentFileLabels, NumberTheEntriesAndShortenThePaths)
{
    EXPECT_EQ(CRecentFileMenu::MenuLabel(0, "/home/ann/courses/hill.hfd", "/home/ann"), "&1 ~/courses/hill.hfd");
    EXPECT_EQ(CRecentFileMenu::MenuLabel(3, "/srv/hill.hfd", "/home/ann"), "&4 /srv/hill.hfd");
    EXPECT_EQ(CRecentFileMenu::MenuLabel(1, "/home/annie/x.hfd", "/home/ann"), "&2 /home/annie/x.hfd");
    EXPECT_EQ(CRecentFileMenu::MenuLabel(0, "/tmp/R&D.hfd", "/home/ann"), "&1 /tmp/R&&D.hfd");
    const wxString longLabel = CRecentFileMenu::MenuLabel(
        0, "/very/long/folder/names/that/go/on/and/on/for/ever/courses/hill.hfd", "/home/ann");
    EXPECT_TRUE(longLabel.EndsWith("/courses/hill.hfd")) << longLabel;
    EXPECT_LE(longLabel.length(), 3u + 49u) << longLabel;
}

class RecentFileMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        m_menu = std::make_unique<wxMenu>();
        m_menu->Append(ID_FILE_SAVE, "&Save");
        m_menu->AppendSeparator();
        m_menu->Append(ID_FILE_MRU_FILE1, "Recent File");
        m_menu->AppendSeparator();
        m_menu->Append(ID_APP_EXIT, "E&xit");
    }

    // Labels between the two separators.
    std::vector<wxString> Slot() const
    {
        std::vector<wxString> labels;
        for (size_t i = 2; i + 2 < m_menu->GetMenuItemCount(); ++i)
            labels.push_back(m_menu->FindItemByPosition(i)->GetItemLabel());
        return labels;
    }

    std::unique_ptr<wxMenu> m_menu;
};

TEST_F(RecentFileMenuTest, KeepsFourNewestFirstInThePlaceholdersSlot)
{
    CRecentFileMenu recent(4);
    recent.Attach(m_menu.get());
    EXPECT_EQ(Slot(), (std::vector<wxString>{"Recent File"}));
    EXPECT_FALSE(m_menu->IsEnabled(ID_FILE_MRU_FILE1));
    for (const char* name : {"/c/a.hfd", "/c/b.hfd", "/c/c.hfd", "/c/d.hfd", "/c/e.hfd", "/c/c.hfd"})
        recent.Add(name);
    EXPECT_EQ(Slot(), (std::vector<wxString>{"&1 /c/c.hfd", "&2 /c/e.hfd", "&3 /c/d.hfd", "&4 /c/b.hfd"}));
    EXPECT_TRUE(m_menu->IsEnabled(ID_FILE_MRU_FILE1));
    EXPECT_EQ(m_menu->FindItemByPosition(m_menu->GetMenuItemCount() - 1)->GetId(), ID_APP_EXIT);
    EXPECT_EQ(recent.GetFile(static_cast<std::size_t>(recent.IndexOfCommand(ID_FILE_MRU_FILE1 + 1))), "/c/e.hfd");

    recent.Remove("/c/e.hfd");
    EXPECT_EQ(Slot(), (std::vector<wxString>{"&1 /c/c.hfd", "&2 /c/d.hfd", "&3 /c/b.hfd"}));
    // Emptied, the slot shows the greyed placeholder again.
    for (const char* name : {"/c/c.hfd", "/c/d.hfd", "/c/b.hfd"})
        recent.Remove(name);
    EXPECT_EQ(Slot(), (std::vector<wxString>{"Recent File"}));
    EXPECT_FALSE(m_menu->IsEnabled(ID_FILE_MRU_FILE1));
    EXPECT_EQ(recent.IndexOfCommand(ID_FILE_MRU_FILE1), -1);
}

TEST_F(RecentFileMenuTest, SurvivesASaveAndLoadOfTheSettings)
{
    wxStringInputStream empty(wxEmptyString);
    wxFileConfig config(empty);
    {
        CRecentFileMenu recent(4);
        for (const char* name : {"/c/a.hfd", "/c/b.hfd", "/c/c.hfd"})
            recent.Add(name);
        recent.Save(config);
        recent.Remove("/c/a.hfd");
        recent.Remove("/c/b.hfd");
        recent.Save(config);  // a shorter list must not keep old entries
    }
    CRecentFileMenu loaded(4);
    loaded.Attach(m_menu.get());
    loaded.Load(config);
    EXPECT_EQ(loaded.GetCount(), 1u);
    EXPECT_EQ(Slot(), (std::vector<wxString>{"&1 /c/c.hfd"}));
}

}  // namespace
