#include "game/app/MainFrame.h"

#include "game/app/AboutDialog.h"
#include "game/app/BraskIcon.h"
#include "game/app/ControlsDialog.h"
#include "game/progress/CourseFolder.h"
#include "game/progress/GameFolders.h"
#include "game/progress/TimeText.h"
#include "game/state/BraskDoc.h"
#include "game/view/BraskView.h"
#include "platform/shell/CommandIds.h"
#include "platform/gl/DesktopKeyLocks.h"
#include "platform/shell/PathText.h"
#include "platform/shell/ShellMenus.h"

#include <wx/config.h>
#include <wx/filedlg.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/statusbr.h>

#include <sys/stat.h>

namespace {

// A comfortable window on the very first start.
constexpr int kFirstClientWidth = 800;
constexpr int kFirstClientHeight = 600;

// The message pane's idle text and the indicator names.
const char* const kReadyText = "Ready";
const char* const kIndicatorTexts[] = {"CAP", "NUM", "SCRL"};
// Room around an indicator's name in its pane, in pixels.
constexpr int kIndicatorPadding = 16;
// The time pane is as wide as the longest text it shows in a long game.
const char* const kWidestTimeText = "Finished in 0000.00 s (best 0000.00 s)";

// Where the game keeps what it remembers between runs, in the settings.
const char* const kLastCourseKey = "/Game/LastCourse";
const char* const kOpenFolderKey = "/Game/OpenFolder";

wxMenuBar* MakeMenuBar(wxMenu* courses)
{
    auto* game = new wxMenu;
    // Game > New has no prompt of its own. Its Ctrl+N starts a new game, as
    // the item says.
    game->Append(CMainFrame::kGameNewCommand, "&New\tCtrl+N");
    AppendOpenSaveItems(*game);
    game->AppendSeparator();
    game->AppendSubMenu(courses, "&Courses", "Play a course that came with the game, or one of your own");
    // A plain letter (in the accelerators too): after a win the hand is on
    // the mouse, and no other key of the game or its menus is N.
    game->Append(CMainFrame::kNextCourseCommand, "Nex&t Course\tN", "Play the next course of the same folder");
    game->AppendSeparator();
    AppendExitItem(*game);

    auto* view = new wxMenu;
    view->AppendCheckItem(ID_VIEW_STATUS_BAR, "&Status Bar", "Show or hide the status bar");
    view->AppendCheckItem(CMainFrame::kFullScreenCommand, "&Full Screen\tF11", "Fill the screen with the game");

    wxMenu* help = MakeHelpMenu("Brask");
    help->Insert(0, CMainFrame::kControlsCommand, "&Controls", "Show the keys and the mouse controls");

    auto* bar = new wxMenuBar;
    bar->Append(game, "&Game");
    bar->Append(MakeDisabledEditMenu(), "&Edit");
    bar->Append(view, "&View");
    bar->Append(help, "&Help");
    return bar;
}

// "01-first-roll (best 12.34 s)"; an '&' in a name is not a mnemonic.
wxString CourseLabel(const CCourseCatalog::Entry& course)
{
    wxString label = PathToText(course.name);
    label.Replace("&", "&&");
    if (course.hasBest)
        label << " (best " << SecondsText(course.best) << ")";
    return label;
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Settings that cannot be written (a read-only home, say) are not worth a
// message in the middle of the player's game.
void WriteSetting(const char* key, const std::string& value)
{
    wxConfigBase* config = wxConfigBase::Get();
    if (config == nullptr)
        return;
    wxLogNull quiet;
    config->Write(key, PathToText(value));
    config->Flush();
}

std::string ReadSetting(const char* key)
{
    wxConfigBase* config = wxConfigBase::Get();
    wxString value;
    return config != nullptr && config->Read(key, &value) ? PathFromText(value) : "";
}

} // namespace

wxBEGIN_EVENT_TABLE(CMainFrame, CSingleDocFrame)
    EVT_MENU(CMainFrame::kGameNewCommand, CMainFrame::OnGameNew)
    EVT_MENU_RANGE(CMainFrame::kCourseCommand, CMainFrame::kCourseCommand + 2 * CCourseCatalog::kMaxListed,
                   CMainFrame::OnCourse)
    EVT_MENU(CMainFrame::kNextCourseCommand, CMainFrame::OnNextCourse)
    EVT_UPDATE_UI(CMainFrame::kNextCourseCommand, CMainFrame::OnUpdateNextCourse)
    EVT_MENU(ID_VIEW_STATUS_BAR, CMainFrame::OnViewStatusBar)
    EVT_UPDATE_UI(ID_VIEW_STATUS_BAR, CMainFrame::OnUpdateViewStatusBar)
    EVT_MENU(CMainFrame::kFullScreenCommand, CMainFrame::OnFullScreen)
    EVT_UPDATE_UI(CMainFrame::kFullScreenCommand, CMainFrame::OnUpdateFullScreen)
    EVT_MENU(CMainFrame::kControlsCommand, CMainFrame::OnControls)
    EVT_MENU(ID_APP_ABOUT, CMainFrame::OnAppAbout)
    EVT_IDLE(CMainFrame::OnIdleIndicators)
    EVT_MENU_OPEN(CMainFrame::OnMenuOpen)
    EVT_MENU_CLOSE(CMainFrame::OnMenuClose)
    EVT_ICONIZE(CMainFrame::OnIconize)
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
      m_keyLocks(&CDesktopKeyLocks::Instance()),
      m_coursesMenu(new wxMenu),
      m_bestTimes(CGameFolders::BestTimesFile())
{
    SetIcons(MakeBraskIcons());
    SetMenuBar(MakeMenuBar(m_coursesMenu));
    SetAcceleratorTable(MakeShellAccelerators({{wxACCEL_NORMAL, 'N', kNextCourseCommand}}));
    CreateGameStatusBar();
    m_view = new CBraskView(this, document);
    FinishShellSetup(m_view);
}

void CMainFrame::CreateGameStatusBar()
{
    wxStatusBar* bar = CreateStatusBar(PaneCount);
    int widths[PaneCount] = {-1, 0, 0, 0, 0};
    widths[TimePane] = bar->GetTextExtent(kWidestTimeText).x + FromDIP(kIndicatorPadding);
    for (int pane = CapsPane; pane < PaneCount; ++pane)
        widths[pane] = bar->GetTextExtent(kIndicatorTexts[pane - CapsPane]).x + FromDIP(kIndicatorPadding);
    bar->SetStatusWidths(PaneCount, widths);
    SetMessage(kReadyText);
    UpdateIndicators();
}

void CMainFrame::SetPaneText(int pane, const wxString& text)
{
    wxStatusBar* bar = GetStatusBar();
    // Unchanged texts are not set again: this runs whenever the game is
    // idle, many times a second.
    if (bar != nullptr && bar->GetStatusText(pane) != text)
        bar->SetStatusText(text, pane);
}

void CMainFrame::SetMessage(const wxString& text)
{
    m_message = text;
    // An open menu's prompt keeps the pane; its closing brings the text.
    if (!m_menuOpen)
        SetPaneText(MessagePane, text);
}

void CMainFrame::UpdateIndicators()
{
    if (GetStatusBar() == nullptr)
        return;
    const KeyLockStates locks = m_keyLocks->Read();
    const bool on[] = {locks.caps, locks.num, locks.scroll};
    for (int pane = CapsPane; pane < PaneCount; ++pane)
        SetPaneText(pane, on[pane - CapsPane] ? kIndicatorTexts[pane - CapsPane] : "");
}

void CMainFrame::UpdateGameStatus()
{
    const unsigned game = m_brask.GetGameNumber();
    if (game == 0)
        return;
    if (game != m_shownGame) {
        m_shownGame = game;
        m_finished = false;
        m_nextCourse.clear();
        m_bestTimes.Load();
        m_hasBest = m_bestTimes.Find(m_brask.GetCourseKey(), m_best);
        SetMessage(kReadyText);
    }
    if (m_finished)
        return;
    if (m_brask.GetPlayState() == Won)
        FinishGame();
    else
        SetPaneText(TimePane, RunningTimeText(m_brask.GetPlayTime(), m_hasBest ? &m_best : nullptr));
}

void CMainFrame::FinishGame()
{
    m_finished = true;
    const std::uint64_t time = m_brask.GetPlayTime();
    CBestTimes::Finish finish;
    std::string reason;
    const bool kept = m_bestTimes.Record(m_brask.GetCourseKey(), time, finish, reason);
    SetPaneText(TimePane, FinishText(time, finish.newBest, finish.previousBest));
    if (finish.newBest) {
        m_hasBest = true;
        m_best = time;
    }
    m_nextCourse = CCourseFolder::NextAfter(m_brask.GetPathName());
    wxString message = "You did it! ";
    if (!kept)
        message << "The best time could not be kept: " << wxString::FromUTF8(reason) << ". ";
    if (m_nextCourse.empty())
        message << "That was the last course in its folder.";
    else
        message << "Next Course (N): " << PathToText(m_nextCourse.substr(m_nextCourse.rfind('/') + 1));
    SetMessage(message);
}

void CMainFrame::RebuildCoursesMenu()
{
    while (m_coursesMenu->GetMenuItemCount() > 0)
        m_coursesMenu->Destroy(m_coursesMenu->FindItemByPosition(0));
    m_coursePaths.clear();
    m_bestTimes.Load();
    const std::string own = CGameFolders::PlayerCourses();
    m_catalog.Refresh(CGameFolders::InstalledCourses(), own, m_bestTimes);
    for (const auto* list : {&m_catalog.Installed(), &m_catalog.Own()}) {
        if (list == &m_catalog.Own() && !m_catalog.Installed().empty())
            m_coursesMenu->AppendSeparator();
        for (const CCourseCatalog::Entry& course : *list) {
            m_coursesMenu->Append(kCourseCommand + static_cast<int>(m_coursePaths.size()), CourseLabel(course),
                                  PathToText(course.path));
            m_coursePaths.push_back(course.path);
        }
    }
    if (m_catalog.Own().empty() && !own.empty()) {
        // Where the player's own courses would show up.
        wxString hint = "Your own courses go in " + PathToText(own);
        hint.Replace("&", "&&");
        m_coursesMenu->Append(wxID_ANY, hint)->Enable(false);
    }
}

void CMainFrame::ContinueLastCourse()
{
    std::string path = ReadSetting(kLastCourseKey);
    const bool last = FileExists(path);
    if (!last) {
        const std::vector<std::string> installed = CCourseFolder(CGameFolders::InstalledCourses()).List();
        path = installed.empty() ? "" : installed.front();
    }
    // A last course gone bad is told once; the next start is on the first.
    if (!path.empty() && !OpenDocumentFile(path) && last)
        WriteSetting(kLastCourseKey, "");
}

bool CMainFrame::AskOpenPath(std::string& path)
{
    // The courses that came with the game the first time, then wherever the
    // player last found one.
    std::string folder = ReadSetting(kOpenFolderKey);
    if (folder.empty())
        folder = CGameFolders::InstalledCourses();
    wxFileDialog dialog(this, "Open", PathToText(folder), wxEmptyString, GameOptions().fileFilter,
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    path = PathFromText(dialog.GetPath());
    WriteSetting(kOpenFolderKey, PathFromText(dialog.GetDirectory()));
    return true;
}

void CMainFrame::OnDocumentPathUsed(const std::string& path)
{
    CSingleDocFrame::OnDocumentPathUsed(path);
    WriteSetting(kLastCourseKey, path);
}

void CMainFrame::OnIdleIndicators(wxIdleEvent& event)
{
    // The shell frame has idle work of its own.
    event.Skip();
    UpdateIndicators();
    UpdateGameStatus();
}

void CMainFrame::OnMenuOpen(wxMenuEvent& event)
{
    event.Skip();
    m_menuOpen = true;
    // The folders may have changed since the menu was last open.
    if (GetMenuBar() != nullptr && event.GetMenu() == GetMenuBar()->GetMenu(0))
        RebuildCoursesMenu();
}

void CMainFrame::OnMenuClose(wxMenuEvent& event)
{
    // The toolkit gives the message pane back the text it had when the menu
    // opened; what the game said meanwhile comes after it.
    event.Skip();
    m_menuOpen = false;
    CallAfter([this] { SetPaneText(MessagePane, m_message); });
}

void CMainFrame::OnIconize(wxIconizeEvent& event)
{
    event.Skip();
    if (event.IsIconized())
        m_brask.SetPaused(true);
}

void CMainFrame::OnGameNew(wxCommandEvent&)
{
    m_brask.OnGameNew();
    // The game may not have been animating (no course yet): a paint starts
    // the render loop.
    m_view->Refresh(false);
}

void CMainFrame::OnCourse(wxCommandEvent& event)
{
    const auto index = static_cast<std::size_t>(event.GetId() - kCourseCommand);
    if (index < m_coursePaths.size())
        OpenDocumentFile(m_coursePaths[index]);
}

void CMainFrame::OnNextCourse(wxCommandEvent&)
{
    if (m_finished && !m_nextCourse.empty())
        OpenDocumentFile(m_nextCourse);
}

void CMainFrame::OnUpdateNextCourse(wxUpdateUIEvent& event)
{
    event.Enable(m_finished && !m_nextCourse.empty());
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

void CMainFrame::OnFullScreen(wxCommandEvent&)
{
    if (!IsFullScreen())
        m_windowedRect = GetRect();
    // The menus and the status bar stay: the time is shown there.
    ShowFullScreen(!IsFullScreen(), wxFULLSCREEN_NOBORDER | wxFULLSCREEN_NOCAPTION);
}

void CMainFrame::OnClose(wxCloseEvent& event)
{
    // The next start gets the window's placement, not the screen's: the
    // desktop may give the window back its size only later.
    if (IsFullScreen()) {
        ShowFullScreen(false);
        SetSize(m_windowedRect);
    }
    CSingleDocFrame::OnClose(event);
}

void CMainFrame::OnUpdateFullScreen(wxUpdateUIEvent& event)
{
    event.Check(IsFullScreen());
}

void CMainFrame::OnControls(wxCommandEvent&)
{
    CControlsDialog dialog(this);
    dialog.ShowModal();
}

void CMainFrame::OnAppAbout(wxCommandEvent&)
{
    CAboutDialog dialog(this);
    dialog.ShowModal();
}
