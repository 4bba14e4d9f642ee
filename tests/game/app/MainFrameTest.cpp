// The game's main window at its first start: its own menu items, the about
// box, and the status bar with its prompts, Ready text and lock indicators.
#include "game/app/AboutDialog.h"
#include "game/app/MainFrame.h"
#include "game/state/BraskDoc.h"
#include "game/view/BraskView.h"
#include "platform/shell/CommandIds.h"
#include "tests/support/WxTestEnvironment.h"

#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/sstream.h>
#include <wx/statusbr.h>

#include <memory>

namespace {

struct CFakeKeyLocks : CKeyLocks {
    KeyLockStates Read() override { return states; }
    KeyLockStates states;
};

TEST(GameMainFrame, HasItsMenusAndAboutBoxAndAStatusBarWithReadyPromptsAndLocksThatCanBeHidden)
{
    BRASK_REQUIRE_DISPLAY();
    // No saved placement: the first-start size applies.
    wxStringInputStream empty(wxEmptyString);
    delete wxConfigBase::Set(new wxFileConfig(empty));
    CBraskDoc doc;
    CFakeKeyLocks locks;
    auto* frame = new CMainFrame(doc);
    // Gone before the document it shows, however the test ends.
    const std::unique_ptr<CMainFrame, void (*)(CMainFrame*)> closing(frame, [](CMainFrame* f) {
        f->Destroy();
        PumpEventsOnce();
    });
    frame->SetKeyLocks(locks);
    frame->Show();
    ASSERT_TRUE(PumpUntil([frame] { return frame->GetView()->IsCreated(); }));
    PumpEventsOnce();

    // Game > New, View and the about item are the game's own; the rest is the shell's.
    const MenuBarText menus = {
        {"&Game", {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "E&xit"}},
        {"&Edit", {"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}},
        {"&View", {"&Status Bar"}},
        {"&Help", {"&About Brask..."}},
    };
    EXPECT_EQ(ReadMenuBar(*frame->GetMenuBar()), menus);
    EXPECT_EQ(frame->GetMenuBar()->FindItem(ID_FILE_NEW), nullptr) << "File New would leave the game";
    EXPECT_EQ(frame->GetClientSize(), wxSize(800, 600));
    EXPECT_EQ(frame->GetView()->GetSize(), frame->GetClientSize());
    CAboutDialog about(frame);  // never shown
    EXPECT_EQ(about.GetTitle(), "About Brask");
    EXPECT_NE(wxWindow::FindWindowByLabel("Brask Version 1.0", &about), nullptr);

    // The message pane reads Ready, a highlighted item's prompt, and Ready
    // again once the menu closes.
    const auto message = [frame] { return frame->GetStatusBar()->GetStatusText(CMainFrame::MessagePane); };
    const auto send = [frame](wxEvent&& event) { frame->ProcessWindowEvent(event); };
    EXPECT_EQ(message(), "Ready");
    send(wxMenuEvent(wxEVT_MENU_HIGHLIGHT, ID_VIEW_STATUS_BAR));
    EXPECT_EQ(message(), "Show or hide the status bar");
    send(wxMenuEvent(wxEVT_MENU_HIGHLIGHT, CMainFrame::kGameNewCommand));
    EXPECT_EQ(message(), "") << "Game > New has no prompt";
    send(wxMenuEvent(wxEVT_MENU_CLOSE, wxID_ANY, frame->GetMenuBar()->GetMenu(0)));
    EXPECT_EQ(message(), "Ready");

    // The indicators are kept up to date whenever the game is idle.
    for (const KeyLockStates& on : {KeyLockStates{true, false, true}, KeyLockStates{false, true, false}}) {
        locks.states = on;
        PumpEventsOnce();
        EXPECT_EQ(frame->GetStatusBar()->GetStatusText(CMainFrame::CapsPane), on.caps ? "CAP" : "");
        EXPECT_EQ(frame->GetStatusBar()->GetStatusText(CMainFrame::NumPane), on.num ? "NUM" : "");
        EXPECT_EQ(frame->GetStatusBar()->GetStatusText(CMainFrame::ScrollPane), on.scroll ? "SCRL" : "");
    }

    // View > Status Bar hides it and clears the check mark; the view takes the room.
    const int height = frame->GetView()->GetSize().y;
    send(wxCommandEvent(wxEVT_MENU, ID_VIEW_STATUS_BAR));
    frame->UpdateWindowUI();
    EXPECT_FALSE(frame->GetStatusBar()->IsShown() || frame->GetMenuBar()->IsChecked(ID_VIEW_STATUS_BAR));
    EXPECT_TRUE(PumpUntil([&] { return frame->GetView()->GetSize().y > height; }, 3000));
}

} // namespace
