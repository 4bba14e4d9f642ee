#include "platform/shell/SingleDocFrame.h"

#include "platform/shell/CommandIds.h"
#include "document/Document.h"
#include "platform/shell/DocumentDropTarget.h"
#include "platform/shell/PathText.h"
#include "platform/shell/RecentFileMenu.h"

#include <wx/config.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/menu.h>
#include <wx/msgdlg.h>
#include <wx/persist.h>
#include <wx/persist/toplevel.h>
#include <wx/utils.h>

namespace {

// The name under which the placement is kept in the settings.
constexpr const char* kFrameName = "MainFrame";

}  // namespace

wxBEGIN_EVENT_TABLE(CSingleDocFrame, wxFrame)
    EVT_MENU(ID_FILE_NEW, CSingleDocFrame::OnFileNew)
    EVT_MENU(ID_FILE_OPEN, CSingleDocFrame::OnFileOpen)
    EVT_MENU(ID_FILE_SAVE, CSingleDocFrame::OnFileSave)
    EVT_MENU(ID_FILE_SAVE_AS, CSingleDocFrame::OnFileSaveAs)
    EVT_MENU_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST, CSingleDocFrame::OnRecentFile)
    EVT_MENU(ID_APP_EXIT, CSingleDocFrame::OnAppExit)
    EVT_CLOSE(CSingleDocFrame::OnClose)
    EVT_IDLE(CSingleDocFrame::OnIdle)
wxEND_EVENT_TABLE()

CSingleDocFrame::CSingleDocFrame(CDocument& document, const Options& options)
    : wxFrame(nullptr, wxID_ANY, options.appTitle, wxDefaultPosition, wxDefaultSize,
              wxDEFAULT_FRAME_STYLE, kFrameName),
      m_document(document),
      m_options(options),
      m_shell(document, *this)
{
    m_shell.SetDefaultExtension(options.defaultExtension);
    if (m_options.recentFiles > 0)
        m_recentFiles = std::make_unique<CRecentFileMenu>(m_options.recentFiles);
}

CSingleDocFrame::~CSingleDocFrame() = default;

void CSingleDocFrame::FinishShellSetup(wxWindow* viewWindow)
{
    if (m_recentFiles) {
        if (wxMenuBar* bar = GetMenuBar()) {
            wxMenu* menu = nullptr;
            if (bar->FindItem(ID_FILE_MRU_FILE1, &menu) != nullptr)
                m_recentFiles->Attach(menu);
        }
        if (wxConfigBase* config = wxConfigBase::Get())
            m_recentFiles->Load(*config);
    }
    if (m_options.acceptsDroppedFiles && viewWindow != nullptr) {
        viewWindow->SetDropTarget(new CDocumentDropTarget(this, [this](const std::string& path) {
            OpenDocumentFile(path);
        }));
    }
    if (!wxPersistenceManager::Get().RegisterAndRestore(this)) {
        SetClientSize(m_options.firstClientSize);
        Centre();
    }
}

bool CSingleDocFrame::ProcessShellCommand(const CCommandLineInfo& info)
{
    return m_shell.ProcessShellCommand(info);
}

bool CSingleDocFrame::OpenDocumentFile(const std::string& path)
{
    return m_shell.OpenDocumentFile(path);
}

wxString CSingleDocFrame::GetTitleText() const
{
    wxString title = m_document.IsModified() ? "*" : "";
    title << PathToText(m_shell.GetDocumentName()) << " - " << m_options.appTitle;
    return title;
}

void CSingleDocFrame::OnFileNew(wxCommandEvent&)
{
    m_shell.FileNew();
}

void CSingleDocFrame::OnFileOpen(wxCommandEvent&)
{
    m_shell.FileOpen();
}

void CSingleDocFrame::OnFileSave(wxCommandEvent&)
{
    m_shell.FileSave();
}

void CSingleDocFrame::OnFileSaveAs(wxCommandEvent&)
{
    m_shell.FileSaveAs();
}

void CSingleDocFrame::OnRecentFile(wxCommandEvent& event)
{
    if (!m_recentFiles)
        return;
    const int index = m_recentFiles->IndexOfCommand(event.GetId());
    if (index >= 0)
        m_shell.OpenRecentFile(m_recentFiles->GetFile(static_cast<std::size_t>(index)));
}

void CSingleDocFrame::OnAppExit(wxCommandEvent&)
{
    Close(false);
}

void CSingleDocFrame::OnClose(wxCloseEvent& event)
{
    if (!m_shell.SaveModified() && event.CanVeto()) {
        event.Veto();
        return;
    }
    SaveRecentFiles();
    Destroy();
}

void CSingleDocFrame::OnIdle(wxIdleEvent& event)
{
    event.Skip();
    if (!m_options.ownsTitle)
        return;
    const wxString title = GetTitleText();
    if (GetTitle() != title)
        SetTitle(title);
}

SaveChoice CSingleDocFrame::AskSaveChanges(const std::string& documentName)
{
    wxMessageDialog dialog(this,
                           wxString::Format(L"Save the changes to \u201C%s\u201D?", PathToText(documentName)),
                           m_options.appTitle, wxYES_NO | wxCANCEL | wxICON_WARNING);
    dialog.SetExtendedMessage("Your changes will be lost if you don't save them.");
    dialog.SetYesNoCancelLabels("&Save", "Do&n't Save", "&Cancel");
    switch (dialog.ShowModal()) {
    case wxID_YES: return SaveChoice::Save;
    case wxID_NO: return SaveChoice::DontSave;
    default: return SaveChoice::Cancel;
    }
}

bool CSingleDocFrame::AskOpenPath(std::string& path)
{
    wxFileDialog dialog(this, "Open", wxEmptyString, wxEmptyString, m_options.fileFilter,
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    path = PathFromText(dialog.GetPath());
    return true;
}

bool CSingleDocFrame::AskSavePath(const std::string& suggested, std::string& path)
{
    const wxFileName name(PathToText(suggested));
    wxFileDialog dialog(this, "Save As", name.GetPath(), name.GetFullName(), m_options.fileFilter,
                        wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
    if (dialog.ShowModal() != wxID_OK)
        return false;
    path = PathFromText(dialog.GetPath());
    return true;
}

bool CSingleDocFrame::AskReplaceFile(const std::string& path)
{
    wxMessageDialog dialog(this,
                           wxString::Format(L"\u201C%s\u201D already exists. Replace it?", PathToText(path)),
                           m_options.appTitle, wxYES_NO | wxNO_DEFAULT | wxICON_WARNING);
    dialog.SetYesNoLabels("Replace", "Cancel");
    return dialog.ShowModal() == wxID_YES;
}

void CSingleDocFrame::ShowError(const std::string& message)
{
    // The message carries a file name, which need not be valid UTF-8.
    wxString text = wxString::FromUTF8(message.c_str());
    if (text.empty())
        text = PathToText(message);
    // At start-up the frame is not shown yet; the message then stands alone
    // in the middle of the screen.
    wxMessageBox(text, m_options.appTitle, wxOK | wxICON_ERROR | wxCENTRE, IsShown() ? this : nullptr);
}

void CSingleDocFrame::OnDocumentPathUsed(const std::string& path)
{
    if (!m_recentFiles)
        return;
    m_recentFiles->Add(path);
    SaveRecentFiles();
}

void CSingleDocFrame::OnRecentFileFailed(const std::string& path)
{
    if (!m_recentFiles)
        return;
    m_recentFiles->Remove(path);
    SaveRecentFiles();
}

void CSingleDocFrame::SaveRecentFiles()
{
    wxConfigBase* config = wxConfigBase::Get();
    if (!m_recentFiles || config == nullptr)
        return;
    // Settings that cannot be written (a read-only home, say) are not worth
    // a message in the middle of the user's work.
    wxLogNull quiet;
    m_recentFiles->Save(*config);
    config->Flush();
}

void CSingleDocFrame::SetBusy(bool busy)
{
    if (busy)
        wxBeginBusyCursor();
    else
        wxEndBusyCursor();
}
