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

    CBraskitDoc m_doc;
    CMainFrame* m_frame = nullptr;
};

TEST_F(MainFrameTest, HasFileEditAndHelpMenusWithEditGreyedAndNoBars)
{
    wxMenuBar* bar = m_frame->GetMenuBar();
    const MenuBarText menus = {
        {"&File",
         {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "Recent File", "-", "E&xit"}},
        {"&Edit", {"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}},
        {"&Help", {"&About Braskit..."}},
    };
    EXPECT_EQ(ReadMenuBar(*bar), menus);
    // The empty recent-file list is greyed too.
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_FILE_MRU_FILE1})
        EXPECT_FALSE(bar->IsEnabled(id)) << id;
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT, ID_APP_ABOUT})
        EXPECT_TRUE(bar->IsEnabled(id)) << id;

    EXPECT_EQ(m_frame->GetStatusBar(), nullptr);
    EXPECT_EQ(m_frame->GetToolBar(), nullptr);
    EXPECT_EQ(m_frame->GetView()->GetSize(), m_frame->GetClientSize());
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
