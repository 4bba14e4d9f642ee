#pragma once

#include "game/progress/BestTimes.h"
#include "game/progress/CourseCatalog.h"
#include "platform/gl/KeyLocks.h"
#include "platform/shell/SingleDocFrame.h"

#include <cstdint>
#include <string>
#include <vector>

class CBraskDoc;
class CBraskView;
class wxStatusBar;

// The game's main window: the Game, Edit, View and Help menus with their
// accelerators, the game view filling the window, and a status bar with a
// message pane, the game's time and the three lock-key indicators. The Game
// file commands are the shell's; the view owns the title. It knows the
// courses that come with the game and the player's own, keeps the best
// times, and offers the next course after a win.
class CMainFrame : public CSingleDocFrame {
public:
    // Command ids of the game's own items, above the range the toolkit
    // takes for its own menu items; the Courses menu's items count up from
    // kCourseCommand.
    static constexpr int kGameNewCommand = wxID_HIGHEST + 100;
    static constexpr int kNextCourseCommand = wxID_HIGHEST + 101;
    static constexpr int kFullScreenCommand = wxID_HIGHEST + 102;
    static constexpr int kControlsCommand = wxID_HIGHEST + 103;
    static constexpr int kCourseCommand = wxID_HIGHEST + 200;

    // Panes of the status bar, in order.
    enum StatusPane { MessagePane, TimePane, CapsPane, NumPane, ScrollPane, PaneCount };

    explicit CMainFrame(CBraskDoc& document);

    CBraskView* GetView() const { return m_view; }

    // The lock-key source of the indicators, replaceable for tests.
    void SetKeyLocks(CKeyLocks& locks) { m_keyLocks = &locks; }
    // Shows each indicator's name while its lock is on.
    void UpdateIndicators();
    // Shows the game's time, and after a win keeps its record and offers
    // the next course.
    void UpdateGameStatus();
    // Lists the courses again in Game > Courses.
    void RebuildCoursesMenu();

    // --continue: opens the course last played, or the first that came with
    // the game when there is none (or it is gone).
    void ContinueLastCourse();

    // The shell's settings for the game.
    static Options GameOptions();

protected:
    bool AskOpenPath(std::string& path) override;
    void OnDocumentPathUsed(const std::string& path) override;
    void OnClose(wxCloseEvent& event) override;

private:
    void OnGameNew(wxCommandEvent& event);
    void OnCourse(wxCommandEvent& event);
    void OnNextCourse(wxCommandEvent& event);
    void OnUpdateNextCourse(wxUpdateUIEvent& event);
    void OnViewStatusBar(wxCommandEvent& event);
    void OnUpdateViewStatusBar(wxUpdateUIEvent& event);
    void OnFullScreen(wxCommandEvent& event);
    void OnUpdateFullScreen(wxUpdateUIEvent& event);
    void OnControls(wxCommandEvent& event);
    void OnAppAbout(wxCommandEvent& event);
    void OnIdleIndicators(wxIdleEvent& event);
    void OnMenuOpen(wxMenuEvent& event);
    void OnMenuClose(wxMenuEvent& event);
    void OnIconize(wxIconizeEvent& event);

    void CreateGameStatusBar();
    void SetPaneText(int pane, const wxString& text);
    // The message pane's text when no menu prompt covers it.
    void SetMessage(const wxString& text);
    void FinishGame();

    CBraskDoc& m_brask;
    CBraskView* m_view = nullptr;
    CKeyLocks* m_keyLocks;
    wxMenu* m_coursesMenu = nullptr;
    CCourseCatalog m_catalog;
    std::vector<std::string> m_coursePaths;  // by command, from kCourseCommand
    CBestTimes m_bestTimes;
    // The game the status bar speaks of, its record, and after its win the
    // course that comes next (empty for none).
    unsigned m_shownGame = 0;
    bool m_hasBest = false;
    std::uint64_t m_best = 0;
    bool m_finished = false;
    std::string m_nextCourse;
    wxString m_message;
    bool m_menuOpen = false;
    // Where the window was before it filled the screen.
    wxRect m_windowedRect;

    wxDECLARE_EVENT_TABLE();
};
