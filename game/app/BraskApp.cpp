#include "game/app/BraskApp.h"

#include "BraskVersion.h"
#include "game/app/MainFrame.h"
#include "game/view/BraskView.h"
#include "platform/ShellMain.h"
#include "platform/X11Backend.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

wxIMPLEMENT_APP_NO_MAIN(CBraskApp);

namespace {

// Exit status when start-up ends because the named course cannot be opened.
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
    return wxApp::OnRun();
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
