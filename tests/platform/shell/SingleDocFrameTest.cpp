// The frame both programs' main windows are made of: the menus they share
// and files dropped on the view. Titles, the save question and recent files
// are seen in the real programs.

#include "platform/shell/SingleDocFrame.h"

#include "tests/support/NumberDoc.h"
#include "tests/support/TempFolder.h"

#include "platform/shell/CommandIds.h"
#include "platform/shell/ShellMenus.h"
#include "tests/support/WxTestEnvironment.h"

#include <gtest/gtest.h>
#include <wx/dnd.h>
#include <wx/fileconf.h>
#include <wx/menu.h>
#include <wx/sstream.h>

TEST(SingleDocFrame, SharedMenusAndDroppedFiles)
{
    BRASK_REQUIRE_DISPLAY();
    // Settings in memory: the test must not touch the user's.
    wxStringInputStream empty(wxEmptyString);
    delete wxConfigBase::Set(new wxFileConfig(empty));
    CTempFolder folder;
    folder.Write("nine.hfd", {1, 0, 0, 0, 9, 0, 0, 0});
    CNumberDoc doc;
    CSingleDocFrame::Options options;
    options.appTitle = "Tester";
    options.acceptsDroppedFiles = true;
    auto* frame = new CSingleDocFrame(doc, options);
    auto* file = new wxMenu;
    AppendOpenSaveItems(*file);
    AppendExitItem(*file);
    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(MakeDisabledEditMenu(), "&Edit");
    bar->Append(MakeHelpMenu("Tester"), "&Help");
    frame->SetMenuBar(bar);
    auto* view = new wxWindow(frame, wxID_ANY);
    frame->FinishShellSetup(view);
    frame->Show();
    PumpEvents();
    EXPECT_EQ(ReadMenuBar(*bar),
              (MenuBarText{{"&File", {"&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "E&xit"}},
                           {"&Edit", {"&Undo\tCtrl+Z", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V"}},
                           {"&Help", {"&About Tester..."}}}));
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        EXPECT_FALSE(bar->IsEnabled(id));

    auto* target = dynamic_cast<wxFileDropTarget*>(view->GetDropTarget());
    ASSERT_NE(target, nullptr);
    const wxString files[] = {folder.Path("nine.hfd"), folder.Path("other.hfd")};
    EXPECT_TRUE(target->OnDropFiles(5, 5, wxArrayString(2, files)));
    EXPECT_TRUE(doc.m_values.empty()) << "opened only once the drop is over";
    PumpEvents();
    EXPECT_EQ(doc.m_values, std::vector<std::int32_t>{9});
    frame->Destroy();
    PumpEvents();
}
