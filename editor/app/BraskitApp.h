#pragma once

#include "editor/app/BraskitDoc.h"

#include <wx/app.h>

// The editor's application object: the start-up sequence and the one
// document, which lives as long as the program.
class CBraskitApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

private:
    CBraskitDoc m_document;
    bool m_startupFailed = false;
};

wxDECLARE_APP(CBraskitApp);
