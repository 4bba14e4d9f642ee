// The game's main window: menus and their shortcuts, the status bar's
// message pane and lock indicators, View > Status Bar, Game > New (and its
// Ctrl+N), and the about box.
#include "game/app/AboutDialog.h"
#include "game/app/MainFrame.h"
#include "game/state/BraskDoc.h"
#include "game/view/BraskView.h"
#include "platform/CommandIds.h"
#include "tests/platform/GLTestApp.h"

#include <wx/accel.h>
#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/sstream.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/statusbr.h>

#include <memory>
#include <vector>

namespace {

class CFakeKeyLocks : public CKeyLocks {
public:
    KeyLockStates Read() override { return states; }
    KeyLockStates states;
};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        BRASK_GL_REQUIRE_DISPLAY();
        // No saved placement: the first-start size applies.
        wxStringInputStream empty(wxEmptyString);
        delete wxConfigBase::Set(new wxFileConfig(empty));
        m_frame = new CMainFrame(m_doc);
        m_frame->SetKeyLocks(m_locks);
        m_frame->Show();
        EXPECT_TRUE(PumpUntil([this] { return m_frame->GetView()->IsCreated(); }));
        PumpGLEvents();
    }

    void TearDown() override
    {
        // Gone before the document it shows.
        if (m_frame != nullptr) {
            m_frame->Destroy();
            PumpGLEvents();
        }
    }

    wxString Pane(int pane) { return m_frame->GetStatusBar()->GetStatusText(pane); }

    void Send(wxEventType type, int id)
    {
        wxMenuEvent event(type, id, type == wxEVT_MENU_CLOSE ? m_frame->GetMenuBar()->GetMenu(0) : nullptr);
        event.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(event);
    }

    void Command(int id)
    {
        wxCommandEvent event(wxEVT_MENU, id);
        event.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(event);
    }

    CBraskDoc m_doc;
    CFakeKeyLocks m_locks;
    CMainFrame* m_frame = nullptr;
};

TEST_F(MainFrameTest, HasTheGameEditViewAndHelpMenusWithEditGreyed)
{
    wxMenuBar* bar = m_frame->GetMenuBar();
    const MenuBarText menus = {
        {"&Game", {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "E&xit"}},
        {"&Edit", {"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}},
        {"&View", {"&Status Bar"}},
        {"&Help", {"&About Brask..."}},
    };
    EXPECT_EQ(ReadMenuBar(*bar), menus);
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        EXPECT_FALSE(bar->IsEnabled(id)) << id;
    for (int id : {CMainFrame::kGameNewCommand, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT,
                   ID_VIEW_STATUS_BAR, ID_APP_ABOUT})
        EXPECT_TRUE(bar->IsEnabled(id)) << id;

    EXPECT_EQ(m_frame->GetClientSize(), wxSize(800, 600));
    EXPECT_EQ(m_frame->GetView()->GetSize(), m_frame->GetClientSize());
}

TEST_F(MainFrameTest, CtrlNIsGameNewAndItStartsANewGame)
{
    // Nothing sends the framework's File New, which would leave the game.
    wxMenuBar* bar = m_frame->GetMenuBar();
    EXPECT_EQ(bar->FindItem(ID_FILE_NEW), nullptr);
    wxMenuItem* item = bar->FindItem(CMainFrame::kGameNewCommand);
    ASSERT_NE(item, nullptr);
    std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
    ASSERT_TRUE(accel);
    EXPECT_EQ(accel->GetFlags(), wxACCEL_CTRL);
    EXPECT_EQ(accel->GetKeyCode(), 'N');

    m_doc.SetPlayState(Lost);
    Command(CMainFrame::kGameNewCommand);
    EXPECT_EQ(m_doc.GetPlayState(), Rolling);
}

TEST_F(MainFrameTest, StatusBarReadsReadyAndShowsTheHighlightedItemsPrompt)
{
    ASSERT_NE(m_frame->GetStatusBar(), nullptr);
    ASSERT_EQ(m_frame->GetStatusBar()->GetFieldsCount(), 4);
    EXPECT_EQ(Pane(0), "Ready");

    const std::pair<int, const char*> prompts[] = {
        {ID_FILE_OPEN, "Open an existing document"},
        {ID_FILE_SAVE, "Save the active document"},
        {ID_FILE_SAVE_AS, "Save the active document with a new name"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents"},
        {ID_EDIT_UNDO, "Undo the last action"},
        {ID_EDIT_CUT, "Cut the selection and put it on the Clipboard"},
        {ID_EDIT_COPY, "Copy the selection and put it on the Clipboard"},
        {ID_EDIT_PASTE, "Insert Clipboard contents"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar"},
        {ID_APP_ABOUT, "Display program information, version number and copyright"},
        {CMainFrame::kGameNewCommand, ""},  // no prompt of its own
    };
    for (const auto& [id, prompt] : prompts) {
        Send(wxEVT_MENU_HIGHLIGHT, id);
        EXPECT_EQ(Pane(0), prompt) << id;
    }
    Send(wxEVT_MENU_CLOSE, wxID_ANY);
    EXPECT_EQ(Pane(0), "Ready");
}

TEST_F(MainFrameTest, IndicatorsShowTheirNamesWhileTheirLocksAreOn)
{
    for (const KeyLockStates& locks : {KeyLockStates{true, false, false}, KeyLockStates{false, true, false},
                                       KeyLockStates{false, false, true}, KeyLockStates{false, false, false}}) {
        m_locks.states = locks;
        m_frame->UpdateIndicators();
        EXPECT_EQ(Pane(1), locks.caps ? "CAP" : "");
        EXPECT_EQ(Pane(2), locks.num ? "NUM" : "");
        EXPECT_EQ(Pane(3), locks.scroll ? "SCRL" : "");
    }
    // The idle handler keeps them up to date.
    m_locks.states = KeyLockStates{true, false, true};
    PumpGLEvents();
    EXPECT_EQ(Pane(1), "CAP");
    EXPECT_EQ(Pane(3), "SCRL");
    EXPECT_EQ(Pane(0), "Ready");
}

TEST_F(MainFrameTest, ViewStatusBarHidesAndShowsItWithTheCheckMark)
{
    wxMenuBar* bar = m_frame->GetMenuBar();
    m_frame->UpdateWindowUI();
    EXPECT_TRUE(bar->IsChecked(ID_VIEW_STATUS_BAR));
    const int viewHeight = m_frame->GetView()->GetSize().y;
    for (bool shown : {false, true}) {
        Command(ID_VIEW_STATUS_BAR);
        PumpGLEvents();
        m_frame->UpdateWindowUI();
        EXPECT_EQ(m_frame->GetStatusBar()->IsShown(), shown);
        EXPECT_EQ(bar->IsChecked(ID_VIEW_STATUS_BAR), shown);
        // The toolkit lays the window out again a moment later: the view
        // takes the room and gives it back.
        EXPECT_TRUE(PumpUntil([&] { return (m_frame->GetView()->GetSize().y == viewHeight) == shown; }, 3000));
    }
}

TEST_F(MainFrameTest, AboutBoxNamesTheGameAndItsVersion)
{
    CAboutDialog dialog(m_frame);
    EXPECT_EQ(dialog.GetTitle(), "About Brask");
    std::vector<wxString> texts;
    int icons = 0;
    for (wxWindow* child : dialog.GetChildren()) {
        if (auto* text = dynamic_cast<wxStaticText*>(child))
            texts.push_back(text->GetLabel());
        icons += dynamic_cast<wxStaticBitmap*>(child) != nullptr;
    }
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Brask Version 1.0");
    EXPECT_FALSE(texts[1].empty());
    EXPECT_EQ(icons, 1);
    EXPECT_NE(dialog.FindWindow(wxID_OK), nullptr);
}

} // namespace
