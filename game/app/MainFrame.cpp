#include "game/app/MainFrame.h"

#include "game/app/AboutDialog.h"
#include "game/app/BraskIcon.h"
#include "game/state/BraskDoc.h"
#include "game/view/BraskView.h"
#include "platform/CommandIds.h"
#include "platform/DesktopKeyLocks.h"

#include <wx/accel.h>
#include <wx/menu.h>
#include <wx/statusbr.h>


namespace {

// A comfortable window on the very first start.
constexpr int kFirstClientWidth = 800;
constexpr int kFirstClientHeight = 600;

// The message pane's idle text and the indicator names.
const char* const kReadyText = "Ready";
const char* const kIndicatorTexts[] = {"CAP", "NUM", "SCRL"};
// Room around an indicator's name in its pane, in pixels.
constexpr int kIndicatorPadding = 16;

wxMenuBar* MakeMenuBar()
{
    auto* game = new wxMenu;
    // Game > New has no prompt of its own.
    game->Append(CMainFrame::kGameNewCommand, "&New\tCtrl+N");
    game->Append(ID_FILE_OPEN, "&Open...\tCtrl+O", "Open an existing document");
    game->Append(ID_FILE_SAVE, "&Save\tCtrl+S", "Save the active document");
    game->Append(ID_FILE_SAVE_AS, "Save &As...", "Save the active document with a new name");
    game->AppendSeparator();
    game->Append(ID_APP_EXIT, "E&xit", "Quit the application; prompts to save documents");

    auto* edit = new wxMenu;
    edit->Append(ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Undo the last action");
    edit->AppendSeparator();
    edit->Append(ID_EDIT_CUT, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard");
    edit->Append(ID_EDIT_COPY, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard");
    edit->Append(ID_EDIT_PASTE, "&Paste\tCtrl+V", "Insert Clipboard contents");
    // The game has nothing to undo or to put on the clipboard: shown, never
    // enabled.
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        edit->Enable(id, false);

    auto* view = new wxMenu;
    view->AppendCheckItem(ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar");

    auto* help = new wxMenu;
    help->Append(ID_APP_ABOUT, "&About Brask...", "Display program information, version number and copyright");

    auto* bar = new wxMenuBar;
    bar->Append(game, "&Game");
    bar->Append(edit, "&Edit");
    bar->Append(view, "&View");
    bar->Append(help, "&Help");
    return bar;
}

// The accelerators that no menu item shows; the others come with the items
// (Ctrl+N with Game > New: it starts a new game, as its item says).
wxAcceleratorTable MakeAccelerators()
{
    const wxAcceleratorEntry entries[] = {
        {wxACCEL_ALT, WXK_BACK, ID_EDIT_UNDO},
        {wxACCEL_SHIFT, WXK_DELETE, ID_EDIT_CUT},
        {wxACCEL_CTRL, WXK_INSERT, ID_EDIT_COPY},
        {wxACCEL_SHIFT, WXK_INSERT, ID_EDIT_PASTE},
        {wxACCEL_NORMAL, WXK_F6, ID_NEXT_PANE},
        {wxACCEL_SHIFT, WXK_F6, ID_PREV_PANE},
    };
    return wxAcceleratorTable(static_cast<int>(sizeof entries / sizeof entries[0]), entries);
}

} // namespace

wxBEGIN_EVENT_TABLE(CMainFrame, CSingleDocFrame)
    EVT_MENU(CMainFrame::kGameNewCommand, CMainFrame::OnGameNew)
    EVT_MENU(ID_VIEW_STATUS_BAR, CMainFrame::OnViewStatusBar)
    EVT_UPDATE_UI(ID_VIEW_STATUS_BAR, CMainFrame::OnUpdateViewStatusBar)
    EVT_MENU(ID_APP_ABOUT, CMainFrame::OnAppAbout)
    EVT_IDLE(CMainFrame::OnIdleIndicators)
wxEND_EVENT_TABLE()

CSingleDocFrame::Options CMainFrame::GameOptions()
{
    Options options;
    options.appTitle = "Brask";
    // The game view shows the frame rate in the title.
    options.ownsTitle = false;
    options.recentFiles = 0;
    options.acceptsDroppedFiles = false;
    options.firstClientSize = wxSize(kFirstClientWidth, kFirstClientHeight);
    options.defaultExtension = ".hfd";
    options.fileFilter = "Height fields (*.hfd)|*.hfd";
    return options;
}

CMainFrame::CMainFrame(CBraskDoc& document)
    : CSingleDocFrame(document, GameOptions()),
      m_brask(document),
      m_keyLocks(&CDesktopKeyLocks::Instance())
{
    // A course named on the command line that cannot be opened ends the
    // program after its message.
    GetShell().SetEndStartupOnFailedOpen(true);
    SetIcons(MakeBraskIcons());
    SetMenuBar(MakeMenuBar());
    SetAcceleratorTable(MakeAccelerators());
    CreateGameStatusBar();
    m_view = new CBraskView(this, document);
    FinishShellSetup(m_view);
}

void CMainFrame::CreateGameStatusBar()
{
    wxStatusBar* bar = CreateStatusBar(PaneCount);
    int widths[PaneCount] = {-1, 0, 0, 0};
    for (int pane = CapsPane; pane < PaneCount; ++pane)
        widths[pane] = bar->GetTextExtent(kIndicatorTexts[pane - CapsPane]).x + FromDIP(kIndicatorPadding);
    bar->SetStatusWidths(PaneCount, widths);
    SetStatusText(kReadyText, MessagePane);
    UpdateIndicators();
}

void CMainFrame::UpdateIndicators()
{
    wxStatusBar* bar = GetStatusBar();
    if (bar == nullptr)
        return;
    const KeyLockStates locks = m_keyLocks->Read();
    const bool on[] = {locks.caps, locks.num, locks.scroll};
    for (int pane = CapsPane; pane < PaneCount; ++pane) {
        const wxString text = on[pane - CapsPane] ? kIndicatorTexts[pane - CapsPane] : "";
        // Unchanged texts are not set again: this runs whenever the game is
        // idle, many times a second.
        if (bar->GetStatusText(pane) != text)
            bar->SetStatusText(text, pane);
    }
}

void CMainFrame::OnIdleIndicators(wxIdleEvent& event)
{
    // The shell frame has idle work of its own.
    event.Skip();
    UpdateIndicators();
}

void CMainFrame::OnGameNew(wxCommandEvent&)
{
    m_brask.OnGameNew();
    // The game may not have been animating (no course yet): a paint starts
    // the render loop.
    m_view->Refresh(false);
}

void CMainFrame::OnViewStatusBar(wxCommandEvent&)
{
    wxStatusBar* bar = GetStatusBar();
    if (bar == nullptr)
        return;
    bar->Show(!bar->IsShown());
    // The view takes over the room, or gives it back.
    SendSizeEvent();
}

void CMainFrame::OnUpdateViewStatusBar(wxUpdateUIEvent& event)
{
    const wxStatusBar* bar = GetStatusBar();
    event.Check(bar != nullptr && bar->IsShown());
}

void CMainFrame::OnAppAbout(wxCommandEvent&)
{
    CAboutDialog dialog(this);
    dialog.ShowModal();
}
