#pragma once

#include "platform/gl/KeyLocks.h"
#include "platform/shell/SingleDocFrame.h"

class CBraskDoc;
class CBraskView;
class wxStatusBar;

// The game's main window: the Game, Edit, View and Help menus with their
// accelerators, the game view filling the window, and a status bar with a
// message pane and the three lock-key indicators. The Game file commands
// are the shell's; the view owns the title.
class CMainFrame : public CSingleDocFrame {
public:
    // The command id of Game > New, above the range the toolkit takes for its
    // own menu items.
    static constexpr int kGameNewCommand = wxID_HIGHEST + 100;

    // Panes of the status bar, in order.
    enum StatusPane { MessagePane, CapsPane, NumPane, ScrollPane, PaneCount };

    explicit CMainFrame(CBraskDoc& document);

    CBraskView* GetView() const { return m_view; }

    // The lock-key source of the indicators, replaceable for tests.
    void SetKeyLocks(CKeyLocks& locks) { m_keyLocks = &locks; }
    // Shows each indicator's name while its lock is on.
    void UpdateIndicators();

    // The shell's settings for the game.
    static Options GameOptions();

private:
    void OnGameNew(wxCommandEvent& event);
    void OnViewStatusBar(wxCommandEvent& event);
    void OnUpdateViewStatusBar(wxUpdateUIEvent& event);
    void OnAppAbout(wxCommandEvent& event);
    void OnIdleIndicators(wxIdleEvent& event);

    void CreateGameStatusBar();

    CBraskDoc& m_brask;
    CBraskView* m_view = nullptr;
    CKeyLocks* m_keyLocks;

    wxDECLARE_EVENT_TABLE();
};
