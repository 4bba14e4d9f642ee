#include "game/glview/demo/DemoApp.h"

#include "game/glview/demo/DemoFrame.h"
#include "game/glview/demo/DemoView.h"
#include "platform/gl/WxGLBinding.h"

#include <wx/cmdline.h>

#include <cmath>
#include <cstdio>

wxIMPLEMENT_APP(CDemoApp);

bool CDemoApp::OnInit()
{
    if (!wxApp::OnInit())
        return false;
    // A later set-up failure shows in the status bar; a display without
    // OpenGL cannot have the view's window at all.
    std::string message;
    if (!COpenGLView::CanCreateOn(CWxGLBinding::Instance(), message)) {
        std::fprintf(stderr, "glview-demo: %s\n", message.c_str());
        return false;
    }
    m_frame = new CDemoFrame(m_animate);
    // However the frame closes (timer, Escape, menu), its figures are kept.
    m_frame->Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        if (m_frame) {
            m_framesDrawn = m_frame->View()->FramesDrawn();
            m_frameRate = m_frame->View()->AverageFrameRate();
            m_frame = nullptr;
        }
        event.Skip();
    });
    m_frame->Show();
    if (m_quitAfterSeconds > 0.0) {
        m_quitTimer.SetOwner(this);
        Bind(wxEVT_TIMER, &CDemoApp::OnQuitTimer, this);
        m_quitTimer.StartOnce(static_cast<int>(std::lround(m_quitAfterSeconds * 1000.0)));
    }
    return true;
}

int CDemoApp::OnExit()
{
    if (m_quitAfterSeconds > 0.0)
        std::printf("glview-demo: %ld frames drawn, %.1f frames/s\n", m_framesDrawn, m_frameRate);
    return wxApp::OnExit();
}

void CDemoApp::OnInitCmdLine(wxCmdLineParser& parser)
{
    wxApp::OnInitCmdLine(parser);
    parser.AddSwitch(wxS(""), wxS("animate"), wxS("start with the animation on"));
    parser.AddOption(wxS(""), wxS("quit-after"), wxS("close after this many seconds and print the frame count"),
                     wxCMD_LINE_VAL_DOUBLE);
}

bool CDemoApp::OnCmdLineParsed(wxCmdLineParser& parser)
{
    if (!wxApp::OnCmdLineParsed(parser))
        return false;
    m_animate = parser.Found(wxS("animate"));
    double seconds = 0.0;
    if (parser.Found(wxS("quit-after"), &seconds)) {
        if (!(seconds > 0.0) || seconds > 86400.0) {
            std::fprintf(stderr, "glview-demo: --quit-after wants a number of seconds above 0 and up to 86400\n");
            return false;
        }
        m_quitAfterSeconds = seconds;
    }
    return true;
}

void CDemoApp::OnQuitTimer(wxTimerEvent&)
{
    if (m_frame)
        m_frame->Close(true);
}
