#include "editor/app/MainFrame.h"

#include "course/CourseCheck.h"
#include "editor/app/AboutDialog.h"
#include "editor/app/BraskitDoc.h"
#include "editor/app/BraskitIcon.h"
#include "editor/app/BraskitView.h"
#include "editor/core/StatusText.h"
#include "platform/shell/CommandIds.h"
#include "platform/shell/ShellMenus.h"

#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/persist.h>
#include <wx/utils.h>

#include <utility>

namespace {

// Checking a course of millions of cells takes a moment: the pointer says so.
CourseVerdict CheckUnderBusyPointer(const CHeightField& course)
{
    const wxBusyCursor busy;
    return CheckCourse(course);
}

// Room for 12 x 8 cells and the scrollbars on the very first start.
constexpr int kFirstClientWidth = 720;
constexpr int kFirstClientHeight = 480;

// The editor's own commands.
constexpr int ID_FILE_PLAY = wxID_HIGHEST + 20;
constexpr int ID_EDIT_CHECK_COURSE = wxID_HIGHEST + 21;
constexpr int ID_VIEW_ZOOM_IN = wxID_HIGHEST + 22;
constexpr int ID_VIEW_ZOOM_OUT = wxID_HIGHEST + 23;
constexpr int ID_VIEW_ACTUAL_SIZE = wxID_HIGHEST + 24;

// The zoom, kept with the window's placement.
constexpr const char* kZoomSetting = "Zoom";

wxMenuBar* MakeMenuBar()
{
    auto* file = new wxMenu;
    file->Append(ID_FILE_NEW, "&New\tCtrl+N", "Create a new document");
    AppendOpenSaveItems(*file);
    file->AppendSeparator();
    file->Append(ID_FILE_PLAY, "Play in Brask\tF5", "Play the course as it is now in Brask");
    file->AppendSeparator();
    file->Append(ID_FILE_MRU_FILE1, "Recent File", "Open this document");
    file->AppendSeparator();
    AppendExitItem(*file);

    // The shell's Edit menu, with Undo and Redo brought to life.
    wxMenu* edit = MakeDisabledEditMenu();
    edit->Insert(1, ID_EDIT_REDO, "&Redo\tCtrl+Y", "Redo the previously undone action");
    edit->Enable(ID_EDIT_REDO, false);
    edit->AppendSeparator();
    edit->Append(ID_EDIT_CHECK_COURSE, "Check Course", "Check that the finish can be reached from the start");

    auto* view = new wxMenu;
    view->Append(ID_VIEW_ZOOM_IN, "Zoom In\tCtrl+=", "Show the course larger");
    view->Append(ID_VIEW_ZOOM_OUT, "Zoom Out\tCtrl+-", "Show the course smaller");
    view->Append(ID_VIEW_ACTUAL_SIZE, "Actual Size\tCtrl+0", "Show the course at its actual size");

    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(edit, "&Edit");
    bar->Append(view, "&View");
    bar->Append(MakeHelpMenu("Braskit"), "&Help");
    return bar;
}

}  // namespace

wxBEGIN_EVENT_TABLE(CMainFrame, CSingleDocFrame)
    EVT_MENU(ID_FILE_PLAY, CMainFrame::OnFilePlay)
    EVT_MENU(ID_EDIT_UNDO, CMainFrame::OnEditUndo)
    EVT_MENU(ID_EDIT_REDO, CMainFrame::OnEditRedo)
    EVT_MENU(ID_EDIT_CHECK_COURSE, CMainFrame::OnEditCheckCourse)
    EVT_MENU_RANGE(ID_VIEW_ZOOM_IN, ID_VIEW_ACTUAL_SIZE, CMainFrame::OnViewZoom)
    EVT_MENU(ID_APP_ABOUT, CMainFrame::OnAppAbout)
    EVT_IDLE(CMainFrame::OnIdle)
wxEND_EVENT_TABLE()

CSingleDocFrame::Options CMainFrame::EditorOptions()
{
    Options options;
    options.appTitle = "Braskit";
    options.ownsTitle = true;
    options.recentFiles = 4;
    options.acceptsDroppedFiles = true;
    options.firstClientSize = wxSize(kFirstClientWidth, kFirstClientHeight);
    options.defaultExtension = ".hfd";
    options.fileFilter = "Height fields (*.hfd)|*.hfd";
    return options;
}

CMainFrame::CMainFrame(CBraskitDoc& document)
    : CSingleDocFrame(document, EditorOptions()),
      m_document(document)
{
    SetIcons(MakeBraskitIcons());
    SetMenuBar(MakeMenuBar());
    SetAcceleratorTable(MakeShellAccelerators({{wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', ID_EDIT_REDO}}));
    // Clipped, not ellipsized: the toolkit measures for the ellipsis more
    // than the text takes, and would cut texts that fit.
    CreateStatusBar(CBraskitView::kStatusFieldCount, wxSTB_SIZEGRIP | wxSTB_SHOW_TIPS | wxFULL_REPAINT_ON_RESIZE);
    m_view = new CBraskitView(this, &document);
    FinishShellSetup(m_view);
    int percent = 100;
    if (const wxPersistentObject* saved = wxPersistenceManager::Get().Find(this))
        if (wxPersistenceManager::Get().RestoreValue(*saved, kZoomSetting, &percent))
            m_view->SetZoomPercent(percent);
}

void CMainFrame::OnFileSave(wxCommandEvent&)
{
    if (GetShell().FileSave())
        ReportCheck();
}

void CMainFrame::OnFileSaveAs(wxCommandEvent&)
{
    if (GetShell().FileSaveAs())
        ReportCheck();
}

void CMainFrame::ReportCheck()
{
    const CourseVerdict verdict = CheckUnderBusyPointer(*m_document.GetHeightField());
    SetStatusText(verdict == CourseVerdict::Playable ? "" : VerdictText(verdict), CBraskitView::kMessageField);
}

void CMainFrame::OnClose(wxCloseEvent& event)
{
    if (const wxPersistentObject* saved = wxPersistenceManager::Get().Find(this))
        wxPersistenceManager::Get().SaveValue(*saved, kZoomSetting, m_view->GetZoom().GetPercent());
    CSingleDocFrame::OnClose(event);
}

void CMainFrame::OnFilePlay(wxCommandEvent&)
{
    std::string message;
    if (!m_launcher.Play(m_document, GetShell().GetDocumentName(), message))
        ShowError(message);
}

void CMainFrame::OnEditUndo(wxCommandEvent&)
{
    if (m_document.Undo())
        m_view->OnCourseChanged();
}

void CMainFrame::OnEditRedo(wxCommandEvent&)
{
    if (m_document.Redo())
        m_view->OnCourseChanged();
}

void CMainFrame::OnEditCheckCourse(wxCommandEvent&)
{
    const CourseVerdict verdict = CheckUnderBusyPointer(*m_document.GetHeightField());
    wxMessageBox(wxString(VerdictText(verdict)) + ".", "Check Course",
                 wxOK | (verdict == CourseVerdict::Playable ? wxICON_INFORMATION : wxICON_WARNING), this);
}

void CMainFrame::OnViewZoom(wxCommandEvent& event)
{
    if (event.GetId() == ID_VIEW_ZOOM_IN)
        m_view->ZoomIn();
    else if (event.GetId() == ID_VIEW_ZOOM_OUT)
        m_view->ZoomOut();
    else
        m_view->SetActualSize();
}

void CMainFrame::OnAppAbout(wxCommandEvent&)
{
    CAboutDialog dialog(this);
    dialog.ShowModal();
}

void CMainFrame::OnIdle(wxIdleEvent& event)
{
    // Menu items are brought up to date here, not when a menu opens: a
    // disabled item's accelerator does nothing.
    event.Skip();
    const CGridZoom& zoom = m_view->GetZoom();
    const std::pair<int, bool> items[] = {
        {ID_EDIT_UNDO, m_document.CanUndo()},
        {ID_EDIT_REDO, m_document.CanRedo()},
        {ID_VIEW_ZOOM_IN, zoom.GetPercent() < CGridZoom::PercentOfLevel(CGridZoom::kLevelCount - 1)},
        {ID_VIEW_ZOOM_OUT, zoom.GetPercent() > CGridZoom::PercentOfLevel(0)},
        {ID_VIEW_ACTUAL_SIZE, !zoom.IsActualSize()},
    };
    wxMenuBar* bar = GetMenuBar();
    for (const auto& [id, enabled] : items)
        if (bar->IsEnabled(id) != enabled)
            bar->Enable(id, enabled);
}
