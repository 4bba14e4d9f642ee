// The game's main window at its first start: its own menu items, the about
// box, and the status bar with its prompts, Ready text and lock indicators;
// a won game's time and record, the Courses menu and Next Course.
#include "game/app/AboutDialog.h"
#include "game/app/MainFrame.h"
#include "game/state/BraskDoc.h"
#include "game/view/BraskView.h"
#include "platform/shell/CommandIds.h"
#include "tests/support/TempFolder.h"
#include "tests/support/WxTestEnvironment.h"

#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/sstream.h>
#include <wx/statusbr.h>

#include <filesystem>
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
        {"&Game", {"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-", "&Courses",
                   "Nex&t Course\tN", "-", "E&xit"}},
        {"&Edit", {"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}},
        {"&View", {"&Status Bar", "&Full Screen\tF11"}},
        {"&Help", {"&Controls", "&About Brask..."}},
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

TEST(GameMainFrame, AWinShowsItsTimeKeepsItsRecordAndOffersTheNextCourse)
{
    BRASK_REQUIRE_DISPLAY();
    CTempFolder home;
    ::setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
    ::setenv("XDG_STATE_HOME", home.Path().c_str(), 1);
    std::filesystem::create_directories(home.Path("brask/courses"));
    const CTempFolder::Bytes course = {1, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0};  // a start cell
    home.Write("brask/courses/a.hfd", course);
    home.Write("brask/courses/b&c.hfd", course);
    CBraskDoc doc;
    auto* frame = new CMainFrame(doc);
    const std::unique_ptr<CMainFrame, void (*)(CMainFrame*)> closing(frame, [](CMainFrame* f) {
        f->Destroy();
        PumpEventsOnce();
    });
    frame->Show();
    ASSERT_TRUE(PumpUntil([frame] { return frame->GetView()->IsCreated(); }));
    const auto pane = [frame](int pane) { return frame->GetStatusBar()->GetStatusText(pane); };
    const auto nextEnabled = [frame] {
        frame->UpdateWindowUI(wxUPDATE_UI_RECURSE);
        return frame->GetMenuBar()->IsEnabled(CMainFrame::kNextCourseCommand);
    };
    ASSERT_TRUE(frame->OpenDocumentFile(home.Path("brask/courses/a.hfd")));
    doc.SetPaused(true);  // the clock stands still but for this
    doc.AddPlayTime(8029);
    PumpEventsOnce();
    EXPECT_EQ(pane(CMainFrame::TimePane), "Time 8.02 s");
    EXPECT_FALSE(nextEnabled());

    doc.SetPlayState(Won);
    PumpEventsOnce();
    EXPECT_EQ(pane(CMainFrame::TimePane), "Finished in 8.02 s. New best time");
    EXPECT_EQ(pane(CMainFrame::MessagePane), "You did it! Next Course (N): b&c.hfd");
    EXPECT_TRUE(nextEnabled());
    doc.SetPlayState(Rolling), doc.SetPaused(false);  // a game again, and minimising pauses it
    wxIconizeEvent iconized(frame->GetId(), true);
    frame->ProcessWindowEvent(iconized);
    EXPECT_TRUE(doc.IsPaused());

    // The installed courses (beside the test programs as beside the game), then the player's.
    frame->RebuildCoursesMenu();
    wxMenu* courses = frame->GetMenuBar()->GetMenu(0)->FindItem(frame->GetMenuBar()->FindMenuItem("Game", "Courses"))
                          ->GetSubMenu();
    std::vector<wxString> labels;
    for (const wxMenuItem* item : courses->GetMenuItems())
        labels.push_back(item->IsSeparator() ? wxString("-") : item->GetItemLabel());
    const std::vector<wxString> expected = {"01-first-roll", "02-stepping-stones", "03-ice-and-mud", "04-terraces",
                                            "05-grand-tour", "-", "a (best 8.02 s)", "b&&c (best 8.02 s)"};
    EXPECT_EQ(labels, expected);
}

} // namespace
