#include "game/app/BraskApp.h"

#include "BraskVersion.h"
#include "game/app/MainFrame.h"
#include "game/view/BraskView.h"
#include "platform/shell/CommandLineInfo.h"
#include "platform/shell/ShellMain.h"
#include "platform/gl/WxGLBinding.h"
#include "platform/gl/X11Backend.h"

#include <wx/msgdlg.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

wxIMPLEMENT_APP_NO_MAIN(CBraskApp);

namespace {

// Exit status when start-up ends because the named course cannot be opened
// or the 3-D view cannot be started.
constexpr int kStartupFailedStatus = 1;
// Longest unattended run: a day.
constexpr double kMaxQuitAfterSeconds = 86400.0;
const char* const kQuitAfterVariable = "BRASK_QUIT_AFTER";

} // namespace

int main(int argc, char** argv)
{
    PreferX11Backend();
    return RunShellProgram(argc, argv, "Brask", BRASK_GAME_DESCRIPTION);
}

bool CBraskApp::OnInit()
{
    SetRegistryKey("Local AppWizard-Generated Applications");
    // The game's window is an OpenGL window, which a display without
    // OpenGL cannot have at all.
    std::string message;
    if (!COpenGLView::CanCreateOn(CWxGLBinding::Instance(), message)) {
        ShowFailure(message);
        m_startupFailed = true;
        return true;
    }
    Bind(EVT_OPENGL_SETUP_FAILED, &CBraskApp::OnViewSetupFailed, this);
    m_frame = new CMainFrame(m_document);
    // Without a file the game waits, animation off, for a course to be
    // opened; a named course that cannot be opened ends the program after
    // its message.
    if (!m_frame->ProcessShellCommand(GetShellCommandLine())) {
        m_frame->Destroy();
        m_frame = nullptr;
        m_startupFailed = true;
        return true;
    }
    SetTopWindow(m_frame);
    m_frame->Show();
    m_frame->GetView()->SetFocus();
    StartQuitTimer();
    return true;
}

int CBraskApp::OnRun()
{
    if (m_startupFailed)
        return kStartupFailedStatus;
    const int status = wxApp::OnRun();
    return m_viewFailed ? kStartupFailedStatus : status;
}

int CBraskApp::OnExit()
{
    if (m_framesDrawn >= 0)
        std::printf("Brask: %ld frames drawn, %.1f frames/s\n", m_framesDrawn, m_frameRate);
    CloseRegistryKey();
    return wxApp::OnExit();
}

void CBraskApp::StartQuitTimer()
{
    const char* text = std::getenv(kQuitAfterVariable);
    if (text == nullptr || *text == '\0')
        return;
    char* end = nullptr;
    const double seconds = std::strtod(text, &end);
    if (*end != '\0' || !(seconds > 0.0) || seconds > kMaxQuitAfterSeconds) {
        std::fprintf(stderr, "Brask: %s wants a number of seconds above 0 and up to %.0f; ignored\n",
                     kQuitAfterVariable, kMaxQuitAfterSeconds);
        return;
    }
    m_quitTimer.SetOwner(this);
    Bind(wxEVT_TIMER, &CBraskApp::OnQuitTimer, this);
    m_quitTimer.StartOnce(static_cast<int>(std::lround(seconds * 1000.0)));
}

void CBraskApp::OnQuitTimer(wxTimerEvent&)
{
    if (m_frame == nullptr)
        return;
    // The frame may already be gone (closed by the player).
    if (wxTopLevelWindows.Find(m_frame) == nullptr)
        return;
    m_framesDrawn = m_frame->GetView()->FramesDrawn();
    m_frameRate = m_frame->GetView()->AverageFrameRate();
    m_frame->Close(true);
}

void CBraskApp::OnViewSetupFailed(wxCommandEvent& event)
{
    if (m_viewFailed || m_frame == nullptr)
        return;
    m_viewFailed = true;
    // An unattended run must not close the frame under the message.
    m_quitTimer.Stop();
    // The window would only stay black: the message stands alone, as after
    // a course that cannot be opened at start-up, and the program ends.
    m_frame->Hide();
    ShowFailure(event.GetString().utf8_string());
    m_frame->Destroy();
    m_frame = nullptr;
}

void CBraskApp::ShowFailure(const std::string& message)
{
    // The terminal keeps the reason too, beside the driver's own complaints.
    std::fprintf(stderr, "%s: %s\n", GetShellCommandLine().GetProgramName().c_str(), message.c_str());
    wxMessageBox(wxString::FromUTF8(message), CMainFrame::GameOptions().appTitle, wxOK | wxICON_ERROR | wxCENTRE);
}
