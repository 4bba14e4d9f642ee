#include "editor/MainFrame.h"

#include "editor/AboutDialog.h"
#include "editor/BraskitDoc.h"
#include "editor/BraskitIcon.h"
#include "editor/BraskitView.h"
#include "platform/CommandIds.h"

#include <wx/accel.h>
#include <wx/menu.h>

namespace {

// Room for 12 x 8 cells and the scrollbars on the very first start.
constexpr int kFirstClientWidth = 720;
constexpr int kFirstClientHeight = 480;

wxMenuBar* MakeMenuBar()
{
    auto* file = new wxMenu;
    file->Append(ID_FILE_NEW, "&New\tCtrl+N", "Create a new document");
    file->Append(ID_FILE_OPEN, "&Open...\tCtrl+O", "Open an existing document");
    file->Append(ID_FILE_SAVE, "&Save\tCtrl+S", "Save the active document");
    file->Append(ID_FILE_SAVE_AS, "Save &As...", "Save the active document with a new name");
    file->AppendSeparator();
    file->Append(ID_FILE_MRU_FILE1, "Recent File", "Open this document");
    file->AppendSeparator();
    file->Append(ID_APP_EXIT, "E&xit", "Quit the application; prompts to save documents");

    auto* edit = new wxMenu;
    edit->Append(ID_EDIT_UNDO, "&Undo\tCtrl+Z", "Undo the last action");
    edit->AppendSeparator();
    edit->Append(ID_EDIT_CUT, "Cu&t\tCtrl+X", "Cut the selection and put it on the Clipboard");
    edit->Append(ID_EDIT_COPY, "&Copy\tCtrl+C", "Copy the selection and put it on the Clipboard");
    edit->Append(ID_EDIT_PASTE, "&Paste\tCtrl+V", "Insert Clipboard contents");
    // Nothing edits through the clipboard or undoes: shown, never enabled.
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        edit->Enable(id, false);

    auto* help = new wxMenu;
    help->Append(ID_APP_ABOUT, "&About Braskit...", "Display program information, version number and copyright");

    auto* bar = new wxMenuBar;
    bar->Append(file, "&File");
    bar->Append(edit, "&Edit");
    bar->Append(help, "&Help");
    return bar;
}

// The accelerators that no menu item shows; the others come with the items.
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
    SetAcceleratorTable(MakeAccelerators());
    m_view = new CBraskitView(this, &document);
    FinishShellSetup(m_view);
}

void CMainFrame::OnAppAbout(wxCommandEvent&)
{
    CAboutDialog dialog(this);
    dialog.ShowModal();
}
