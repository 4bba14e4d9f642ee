// The game's main window: menus and shortcuts, the about box, and the status
// bar with its prompts, Ready text and lock indicators.
#include "game/app/AboutDialog.h"
#include "game/app/MainFrame.h"
#include "game/state/BraskDoc.h"
#include "game/view/BraskView.h"
#include "platform/CommandIds.h"
#include "tests/platform/WxTestEnvironment.h"

#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/sstream.h>
#include <wx/statusbr.h>

namespace {

class CFakeKeyLocks : public CKeyLocks {
public:
    KeyLockStates Read() override { return states; }
    KeyLockStates states;
};

class GameMainFrame : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_REQUIRE_DISPLAY();
        // No saved placement: the first-start size applies.
        wxStringInputStream empty(wxEmptyString);
        delete wxConfigBase::Set(new wxFileConfig(empty));
        m_frame = new CMainFrame(m_doc);
        m_frame->SetKeyLocks(m_locks);
        m_frame->Show();
        EXPECT_TRUE(PumpUntil([this] { return m_frame->GetView()->IsCreated(); }));
        PumpEventsOnce();
    }

    void TearDown() override
    {
        // Gone before the document it shows.
        if (m_frame != nullptr)
            m_frame->Destroy();
        if (HaveDisplay())
            PumpEventsOnce();
    }

    wxString Pane(int pane) { return m_frame->GetStatusBar()->GetStatusText(pane); }

    void Send(wxEvent&& event) { m_frame->ProcessWindowEvent(event); }

    CBraskDoc m_doc;
    CFakeKeyLocks m_locks;
    CMainFrame* m_frame = nullptr;
};

TEST_F(GameMainFrame, HasTheGameEditViewAndHelpMenusAndTheAboutBoxNamesTheVersion)
{
    const MenuBarText menus = {
        {"&Game", {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "E&xit"}},
        {"&Edit", {"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}},
        {"&View", {"&Status Bar"}},
        {"&Help", {"&About Brask..."}},
    };
    EXPECT_EQ(ReadMenuBar(*m_frame->GetMenuBar()), menus);
    EXPECT_EQ(m_frame->GetMenuBar()->FindItem(ID_FILE_NEW), nullptr) << "File New would leave the game";
    EXPECT_EQ(m_frame->GetClientSize(), wxSize(800, 600));
    EXPECT_EQ(m_frame->GetView()->GetSize(), m_frame->GetClientSize());

    CAboutDialog about(m_frame);
    EXPECT_EQ(about.GetTitle(), "About Brask");
    EXPECT_NE(wxWindow::FindWindowByLabel("Brask Version 1.0", &about), nullptr);
}

TEST_F(GameMainFrame, TheStatusBarReadsReadyOrThePromptShowsTheLocksThatAreOnAndCanBeHidden)
{
    EXPECT_EQ(Pane(CMainFrame::MessagePane), "Ready");
    const std::pair<int, const char*> prompts[] = {
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar"},
        {CMainFrame::kGameNewCommand, ""},
    };
    for (const auto& [id, prompt] : prompts) {
        Send(wxMenuEvent(wxEVT_MENU_HIGHLIGHT, id));
        EXPECT_EQ(Pane(CMainFrame::MessagePane), prompt) << id;
    }
    Send(wxMenuEvent(wxEVT_MENU_CLOSE, wxID_ANY, m_frame->GetMenuBar()->GetMenu(0)));
    EXPECT_EQ(Pane(CMainFrame::MessagePane), "Ready");

    // The indicators are kept up to date whenever the game is idle.
    for (const KeyLockStates& locks : {KeyLockStates{true, false, true}, KeyLockStates{false, true, false}}) {
        m_locks.states = locks;
        PumpEventsOnce();
        EXPECT_EQ(Pane(CMainFrame::CapsPane), locks.caps ? "CAP" : "");
        EXPECT_EQ(Pane(CMainFrame::NumPane), locks.num ? "NUM" : "");
        EXPECT_EQ(Pane(CMainFrame::ScrollPane), locks.scroll ? "SCRL" : "");
    }

    // View > Status Bar hides it and clears the check mark; the view takes the room.
    const int height = m_frame->GetView()->GetSize().y;
    Send(wxCommandEvent(wxEVT_MENU, ID_VIEW_STATUS_BAR));
    m_frame->UpdateWindowUI();
    EXPECT_FALSE(m_frame->GetStatusBar()->IsShown() || m_frame->GetMenuBar()->IsChecked(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(PumpUntil([&] { return m_frame->GetView()->GetSize().y > height; }, 3000));
}

} // namespace
