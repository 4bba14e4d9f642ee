#pragma once

#include "platform/shell/ShellPrompter.h"
#include "platform/shell/SingleDocShell.h"

#include <cstddef>
#include <memory>
#include <string>

#include <wx/frame.h>

class CCommandLineInfo;
class CDocument;
class CRecentFileMenu;

// The main window of a single-document program. It carries out the File
// commands (ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, the
// recent files ID_FILE_MRU_FILE1.., ID_APP_EXIT) on its one document through
// CSingleDocShell, asks to save changes before the document is replaced or
// the window closes, keeps the title and the window placement, and answers
// the shell's questions with the toolkit's dialogs.
//
// A program derives its CMainFrame from it, builds its menus and its view in
// its constructor and then calls FinishShellSetup.
class CSingleDocFrame : public wxFrame, protected CShellPrompter {
public:
    struct Options {
        // The program's name: the window title and the caption of messages.
        wxString appTitle;
        // True: the title reads "<file name or Untitled> - <appTitle>", with
        // a leading '*' while there are unsaved changes. False: the frame
        // never sets its title after construction (a view owns it).
        bool ownsTitle = true;
        // Entries of the recent-file list; 0 for none. The File menu must
        // then hold an item with ID_FILE_MRU_FILE1 (the "Recent File" slot).
        std::size_t recentFiles = 0;
        // Whether a file dropped on the view window is opened.
        bool acceptsDroppedFiles = false;
        // The client size on the very first start; later starts restore the
        // placement the user left.
        wxSize firstClientSize{640, 480};
        // Added to a name saved without one, e.g. ".hfd".
        std::string defaultExtension;
        // The file dialogs' filter, e.g. "Height fields (*.hfd)|*.hfd".
        wxString fileFilter;
    };

    CSingleDocFrame(CDocument& document, const Options& options);
    ~CSingleDocFrame() override;

    // Call once the menu bar and the view window exist: takes over the
    // recent-file slot of the menus, loads the list, accepts dropped files
    // on `viewWindow`, and restores the window placement.
    void FinishShellSetup(wxWindow* viewWindow);

    // Start-up: opens the command line's file or runs File New; false when
    // the program should end (the file cannot be opened, or File New was
    // cancelled).
    bool ProcessShellCommand(const CCommandLineInfo& info);

    // Opens a file after the save question (used for dropped files too).
    bool OpenDocumentFile(const std::string& path);

    CDocument& GetDocument() { return m_document; }

    // What the title reads when the frame owns it.
    wxString GetTitleText() const;

    // The recent-file list (null when there is none), for tests.
    const CRecentFileMenu* GetRecentFiles() const { return m_recentFiles.get(); }

protected:
    // For a program's own File commands (Save that then checks the course).
    CSingleDocShell& GetShell() { return m_shell; }

    virtual void OnFileNew(wxCommandEvent& event);
    virtual void OnFileOpen(wxCommandEvent& event);
    virtual void OnFileSave(wxCommandEvent& event);
    virtual void OnFileSaveAs(wxCommandEvent& event);
    virtual void OnRecentFile(wxCommandEvent& event);
    virtual void OnAppExit(wxCommandEvent& event);
    virtual void OnClose(wxCloseEvent& event);
    void OnIdle(wxIdleEvent& event);

    // CShellPrompter, answered with the toolkit's dialogs.
    SaveChoice AskSaveChanges(const std::string& documentName) override;
    bool AskOpenPath(std::string& path) override;
    bool AskSavePath(const std::string& suggested, std::string& path) override;
    bool AskReplaceFile(const std::string& path) override;
    void ShowError(const std::string& message) override;
    void OnDocumentPathUsed(const std::string& path) override;
    void OnRecentFileFailed(const std::string& path) override;
    void SetBusy(bool busy) override;

private:
    void SaveRecentFiles();

    CDocument& m_document;
    Options m_options;
    CSingleDocShell m_shell;
    std::unique_ptr<CRecentFileMenu> m_recentFiles;

    wxDECLARE_EVENT_TABLE();
};
