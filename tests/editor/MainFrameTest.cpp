#include "editor/AboutDialog.h"
#include "editor/BraskitDoc.h"
#include "editor/BraskitView.h"
#include "editor/MainFrame.h"
#include "platform/CommandIds.h"
#include "tests/platform/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/sstream.h>
#include <wx/stattext.h>

#include <string>
#include <vector>

namespace {

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        // No saved placement: the first-start size applies.
        wxStringInputStream empty(wxEmptyString);
        delete wxConfigBase::Set(new wxFileConfig(empty));
        m_frame = new CMainFrame(m_doc);
        m_frame->Show();
        PumpEvents();
    }

    void TearDown() override
    {
        // Gone before the document it shows.
        if (m_frame != nullptr) {
            m_frame->Destroy();
            PumpEvents();
        }
    }

    std::vector<wxString> Items(int menu)
    {
        std::vector<wxString> labels;
        for (wxMenuItem* item : m_frame->GetMenuBar()->GetMenu(menu)->GetMenuItems())
            labels.push_back(item->IsSeparator() ? wxString("-") : item->GetItemLabel());
        return labels;
    }

    CBraskitDoc m_doc;
    CMainFrame* m_frame = nullptr;
};

TEST_F(MainFrameTest, HasFileEditAndHelpMenusOnly)
{
    wxMenuBar* bar = m_frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 3u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&File");
    EXPECT_EQ(bar->GetMenuLabel(1), "&Edit");
    EXPECT_EQ(bar->GetMenuLabel(2), "&Help");
    EXPECT_EQ(Items(0), (std::vector<wxString>{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...",
                                               "-", "Recent File", "-", "E&xit"}));
    EXPECT_EQ(Items(1), (std::vector<wxString>{"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                               "&Paste\tCtrl+V"}));
    EXPECT_EQ(Items(2), (std::vector<wxString>{"&About Braskit..."}));
}

TEST_F(MainFrameTest, EditCommandsAndTheEmptyRecentListAreGreyed)
{
    wxMenuBar* bar = m_frame->GetMenuBar();
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_FILE_MRU_FILE1})
        EXPECT_FALSE(bar->IsEnabled(id)) << id;
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT, ID_APP_ABOUT})
        EXPECT_TRUE(bar->IsEnabled(id)) << id;
}

TEST_F(MainFrameTest, HasNoStatusBarOrToolbarAndTheViewFillsTheWindow)
{
    EXPECT_EQ(m_frame->GetStatusBar(), nullptr);
    EXPECT_EQ(m_frame->GetToolBar(), nullptr);
    EXPECT_EQ(m_frame->GetView()->GetSize(), m_frame->GetClientSize());
}

TEST_F(MainFrameTest, FirstStartHasRoomForTwelveByEightCells)
{
    const wxSize client = m_frame->GetClientSize();
    EXPECT_GE(client.GetWidth(), 12 * 50 + 1);
    EXPECT_GE(client.GetHeight(), 8 * 50 + 1);
}

TEST_F(MainFrameTest, TitleNamesTheCourseAndTheProgram)
{
    EXPECT_EQ(m_frame->GetTitle(), "Untitled - Braskit");
    m_doc.SetPathName("/tmp/hill.hfd");
    m_doc.SetModifiedFlag();
    PumpEvents();
    EXPECT_EQ(m_frame->GetTitle(), "*hill.hfd - Braskit");
}

TEST_F(MainFrameTest, AboutBoxNamesTheProgramAndVersion)
{
    CAboutDialog about(m_frame);
    EXPECT_EQ(about.GetTitle(), "About Braskit");
    std::vector<wxString> texts;
    for (wxWindow* child : about.GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child))
            texts.push_back(text->GetLabel());
    }
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Braskit Version 1.0");
    EXPECT_NE(texts[1].find("1.0.0.1"), wxString::npos);
    EXPECT_EQ(about.GetEscapeId(), wxID_OK);
}

}  // namespace
