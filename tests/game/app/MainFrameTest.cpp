// The game's main window: menus and their shortcuts, the status bar's
// message pane and lock indicators, View > Status Bar, Game > New (and its
// Ctrl+N), and the about box.
#include "course/CellType.h"
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
#include <string>
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

    std::vector<wxString> Items(int menu)
    {
        std::vector<wxString> labels;
        for (wxMenuItem* item : m_frame->GetMenuBar()->GetMenu(menu)->GetMenuItems())
            labels.push_back(item->IsSeparator() ? wxString("-") : item->GetItemLabel());
        return labels;
    }

    wxString Pane(int pane) { return m_frame->GetStatusBar()->GetStatusText(pane); }

    void Highlight(int id)
    {
        wxMenuEvent event(wxEVT_MENU_HIGHLIGHT, id);
        event.SetEventObject(m_frame);
        m_frame->ProcessWindowEvent(event);
    }

    void CloseMenu()
    {
        wxMenuEvent event(wxEVT_MENU_CLOSE, wxID_ANY, m_frame->GetMenuBar()->GetMenu(0));
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

TEST_F(MainFrameTest, HasTheGameEditViewAndHelpMenus)
{
    wxMenuBar* bar = m_frame->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 4u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&Game");
    EXPECT_EQ(bar->GetMenuLabel(1), "&Edit");
    EXPECT_EQ(bar->GetMenuLabel(2), "&View");
    EXPECT_EQ(bar->GetMenuLabel(3), "&Help");
    EXPECT_EQ(Items(0), (std::vector<wxString>{"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...",
                                               "-", "E&xit"}));
    EXPECT_EQ(Items(1), (std::vector<wxString>{"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C",
                                               "&Paste\tCtrl+V"}));
    EXPECT_EQ(Items(2), (std::vector<wxString>{"&Status Bar"}));
    EXPECT_EQ(Items(3), (std::vector<wxString>{"&About Brask..."}));
}

TEST_F(MainFrameTest, EditCommandsAreGreyedAndTheOthersAreNot)
{
    wxMenuBar* bar = m_frame->GetMenuBar();
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        EXPECT_FALSE(bar->IsEnabled(id)) << id;
    for (int id : {CMainFrame::kGameNewCommand, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT,
                   ID_VIEW_STATUS_BAR, ID_APP_ABOUT})
        EXPECT_TRUE(bar->IsEnabled(id)) << id;
}

TEST_F(MainFrameTest, CtrlNIsGameNewAndNothingSendsTheFrameworksFileNew)
{
    wxMenuBar* bar = m_frame->GetMenuBar();
    EXPECT_EQ(bar->FindItem(ID_FILE_NEW), nullptr);
    wxMenuItem* item = bar->FindItem(CMainFrame::kGameNewCommand);
    ASSERT_NE(item, nullptr);
    std::unique_ptr<wxAcceleratorEntry> accel(item->GetAccel());
    ASSERT_TRUE(accel);
    EXPECT_EQ(accel->GetFlags(), wxACCEL_CTRL);
    EXPECT_EQ(accel->GetKeyCode(), 'N');
}

TEST_F(MainFrameTest, GameNewPutsTheBallBackOnTheStartCell)
{
    CHeightField& grid = m_doc.GetHeightField();
    grid.Create(5, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            grid.SetCell(x, y, HeightCell{x == 1 && y == 3 ? Start : Floor, {0, 0, 0, 0}, 0});
    m_frame->GetView()->BuildLists();
    m_doc.SetBall(3.2, 0.7, 0.0, 45.0, 2.0, -1.0);
    m_doc.SetPlayState(Lost);

    Command(CMainFrame::kGameNewCommand);
    double x, y, z, angle, vx, vy;
    m_doc.GetBall(x, y, z, angle, vx, vy);
    EXPECT_EQ(x, 1.5);
    EXPECT_EQ(y, 3.5);
    EXPECT_EQ(angle, 0.0);
    EXPECT_EQ(vx, 0.0);
    EXPECT_EQ(vy, 0.0);
    EXPECT_EQ(m_doc.GetPlayState(), Rolling);
}

TEST_F(MainFrameTest, StatusBarReadsReadyAndShowsTheHighlightedItemsPrompt)
{
    ASSERT_NE(m_frame->GetStatusBar(), nullptr);
    ASSERT_EQ(m_frame->GetStatusBar()->GetFieldsCount(), 4);
    EXPECT_EQ(Pane(0), "Ready");

    struct Case {
        int id;
        const char* prompt;
    };
    const Case cases[] = {
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
        // Game > New has no prompt of its own.
        {CMainFrame::kGameNewCommand, ""},
    };
    for (const Case& c : cases) {
        Highlight(c.id);
        EXPECT_EQ(Pane(0), c.prompt) << c.id;
    }
    CloseMenu();
    EXPECT_EQ(Pane(0), "Ready");
}

TEST_F(MainFrameTest, IndicatorsShowTheirNamesWhileTheirLocksAreOn)
{
    struct Case {
        bool caps, num, scroll;
    };
    for (const Case& c : {Case{false, false, false}, Case{true, false, false}, Case{false, true, false},
                          Case{false, false, true}, Case{true, true, true}, Case{false, false, false}}) {
        m_locks.states = KeyLockStates{c.caps, c.num, c.scroll};
        m_frame->UpdateIndicators();
        EXPECT_EQ(Pane(1), c.caps ? "CAP" : "");
        EXPECT_EQ(Pane(2), c.num ? "NUM" : "");
        EXPECT_EQ(Pane(3), c.scroll ? "SCRL" : "");
        EXPECT_EQ(Pane(0), "Ready");
    }
    // The idle handler keeps them up to date.
    m_locks.states = KeyLockStates{true, false, true};
    PumpGLEvents();
    EXPECT_EQ(Pane(1), "CAP");
    EXPECT_EQ(Pane(3), "SCRL");
}

TEST_F(MainFrameTest, ViewStatusBarHidesAndShowsItWithTheCheckMark)
{
    wxMenuBar* bar = m_frame->GetMenuBar();
    m_frame->UpdateWindowUI();
    EXPECT_TRUE(bar->IsChecked(ID_VIEW_STATUS_BAR));
    const int viewHeight = m_frame->GetView()->GetSize().y;

    Command(ID_VIEW_STATUS_BAR);
    PumpGLEvents();
    m_frame->UpdateWindowUI();
    EXPECT_FALSE(m_frame->GetStatusBar()->IsShown());
    EXPECT_FALSE(bar->IsChecked(ID_VIEW_STATUS_BAR));
    // The toolkit lays the window out again a moment later.
    EXPECT_TRUE(PumpUntil([&] { return m_frame->GetView()->GetSize().y > viewHeight; }, 3000))
        << "the view takes the room";

    Command(ID_VIEW_STATUS_BAR);
    PumpGLEvents();
    m_frame->UpdateWindowUI();
    EXPECT_TRUE(m_frame->GetStatusBar()->IsShown());
    EXPECT_TRUE(bar->IsChecked(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(PumpUntil([&] { return m_frame->GetView()->GetSize().y == viewHeight; }, 3000))
        << "the view gives the room back";
}

TEST_F(MainFrameTest, OpensAt800By600WithTheViewFillingTheClientArea)
{
    EXPECT_EQ(m_frame->GetClientSize(), wxSize(800, 600));
    EXPECT_EQ(m_frame->GetView()->GetSize(), m_frame->GetClientSize());
    EXPECT_EQ(m_frame->GetTitle(), "Brask");
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
        if (dynamic_cast<wxStaticBitmap*>(child))
            ++icons;
    }
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "Brask Version 1.0");
    EXPECT_FALSE(texts[1].empty());
    EXPECT_EQ(icons, 1);
    EXPECT_NE(dialog.FindWindow(wxID_OK), nullptr);
}

} // namespace
