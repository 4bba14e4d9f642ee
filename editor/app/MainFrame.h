#pragma once

#include "editor/app/GameLauncher.h"
#include "platform/shell/SingleDocFrame.h"

class CBraskitDoc;
class CBraskitView;

// The editor's main window: the File, Edit, View and Help menus with their
// accelerators, the grid view filling the window and a status bar below
// it, no toolbar. The File commands are the shell's; a save also checks
// that the course can be played and says in the status bar what is wrong.
class CMainFrame : public CSingleDocFrame {
public:
    explicit CMainFrame(CBraskitDoc& document);

    CBraskitView* GetView() const { return m_view; }

    // The shell's settings for the editor.
    static Options EditorOptions();

protected:
    void OnFileSave(wxCommandEvent& event) override;
    void OnFileSaveAs(wxCommandEvent& event) override;
    void OnClose(wxCloseEvent& event) override;

private:
    void OnFilePlay(wxCommandEvent& event);
    void OnEditUndo(wxCommandEvent& event);
    void OnEditRedo(wxCommandEvent& event);
    void OnEditCheckCourse(wxCommandEvent& event);
    void OnViewZoom(wxCommandEvent& event);
    void OnAppAbout(wxCommandEvent& event);
    void OnIdle(wxIdleEvent& event);
    // After a save: what keeps the course from being played, or nothing.
    void ReportCheck();

    CBraskitDoc& m_document;
    CBraskitView* m_view = nullptr;
    CGameLauncher m_launcher;

    wxDECLARE_EVENT_TABLE();
};
