#include "editor/app/MainFrame.h"

#include "editor/app/AboutDialog.h"
#include "editor/app/BraskitDoc.h"
#include "editor/app/BraskitIcon.h"
#include "editor/app/BraskitView.h"
#include "platform/shell/CommandIds.h"
#include "platform/shell/ShellMenus.h"

#include <wx/menu.h>

namespace {

// Room for 12 x 8 cells and the scrollbars on the very first start.
constexpr int kFirstClientWidth = 720;
constexpr int kFirstClientHeight = 480;

wxMenuBar* MakeMenuBar()
{
    auto* file = new wxMenu;
    file->Append(ID_FILE_NEW, "&New\tCtrl+N", "Create a new document");
    AppendOpenSaveItems(*file);
    file->AppendSeparator();
    file->Append(ID_FILE_MRU_FILE1, "Recent File", "Open this document");
    file->AppendSeparator();
    AppendExitItem(*file);

    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(MakeDisabledEditMenu(), "&Edit");
    bar->Append(MakeHelpMenu("Braskit"), "&Help");
    return bar;
}

}  // namespace

wxBEGIN_EVENT_TABLE(CMainFrame, CSingleDocFrame)
    EVT_MENU(ID_APP_ABOUT, CMainFrame::OnAppAbout)
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
    : CSingleDocFrame(document, EditorOptions())
{
    SetIcons(MakeBraskitIcons());
    SetMenuBar(MakeMenuBar());
    SetAcceleratorTable(MakeShellAccelerators());
    m_view = new CBraskitView(this, &document);
    FinishShellSetup(m_view);
}

void CMainFrame::OnAppAbout(wxCommandEvent&)
{
    CAboutDialog dialog(this);
    dialog.ShowModal();
}
