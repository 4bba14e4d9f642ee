#include "game/app/MainFrame.h"

#include "game/app/AboutDialog.h"
#include "game/app/BraskIcon.h"
#include "game/state/BraskDoc.h"
#include "game/view/BraskView.h"
#include "platform/shell/CommandIds.h"
#include "platform/gl/DesktopKeyLocks.h"
#include "platform/shell/ShellMenus.h"

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
    // Game > New has no prompt of its own. Its Ctrl+N starts a new game, as
    // the item says.
    game->Append(CMainFrame::kGameNewCommand, "&New\tCtrl+N");
    AppendOpenSaveItems(*game);
    game->AppendSeparator();
    AppendExitItem(*game);

    auto* view = new wxMenu;
    view->AppendCheckItem(ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar");

    auto* bar = new wxMenuBar;
    bar->Append(game, "&Game");
    bar->Append(MakeDisabledEditMenu(), "&Edit");
    bar->Append(view, "&View");
    bar->Append(MakeHelpMenu("Brask"), "&Help");
    return bar;
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
    SetIcons(MakeBraskIcons());
    SetMenuBar(MakeMenuBar());
    SetAcceleratorTable(MakeShellAccelerators());
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
