#pragma once

#include "platform/shell/SingleDocFrame.h"

class CBraskitDoc;
class CBraskitView;

// The editor's main window: the File, Edit and Help menus with their
// accelerators, the grid view filling the window, no status bar, no
// toolbar. The File commands are the shell's.
class CMainFrame : public CSingleDocFrame {
public:
    explicit CMainFrame(CBraskitDoc& document);

    CBraskitView* GetView() const { return m_view; }

    // The shell's settings for the editor.
    static Options EditorOptions();

private:
    void OnAppAbout(wxCommandEvent& event);

    CBraskitView* m_view = nullptr;

    wxDECLARE_EVENT_TABLE();
};
