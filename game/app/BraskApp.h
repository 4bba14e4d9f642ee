#pragma once

#include "game/state/BraskDoc.h"

#include <wx/app.h>

#include <string>

class CMainFrame;

// The game's application object: it owns the one document for the
// program's life and runs the start-up sequence.
class CBraskApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

private:
    // The view could not set up OpenGL: the game cannot be shown, so the
    // program ends after saying why.
    void OnViewSetupFailed(wxCommandEvent& event);
    // A failure that ends the program, in a message box and on the terminal.
    static void ShowFailure(const std::string& message);

    CBraskDoc m_document;
    CMainFrame* m_frame = nullptr;
    bool m_startupFailed = false;
    bool m_viewFailed = false;
};
