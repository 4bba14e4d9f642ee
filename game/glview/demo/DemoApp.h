#pragma once

#include <wx/app.h>
#include <wx/timer.h>

class CDemoFrame;

// glview-demo [--animate] [--quit-after SECONDS]
// With --quit-after the demo closes itself and prints how many frames it
// drew and at what average rate, so that scripts can run it unattended.
class CDemoApp : public wxApp {
public:
    bool OnInit() override;
    int OnExit() override;
    void OnInitCmdLine(wxCmdLineParser& parser) override;
    bool OnCmdLineParsed(wxCmdLineParser& parser) override;

private:
    void OnQuitTimer(wxTimerEvent& event);

    bool m_animate = false;
    double m_quitAfterSeconds = 0.0;
    long m_framesDrawn = 0;
    double m_frameRate = 0.0;
    CDemoFrame* m_frame = nullptr;
    wxTimer m_quitTimer;
};
