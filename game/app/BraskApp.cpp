#include "game/app/BraskApp.h"

#include "BraskVersion.h"
#include "game/app/MainFrame.h"
#include "game/view/BraskView.h"
#include "platform/shell/CommandLineInfo.h"
#include "platform/shell/ShellMain.h"
#include "platform/gl/WxGLBinding.h"
#include "platform/gl/X11Backend.h"

#include <wx/msgdlg.h>

#include <cstdio>

wxIMPLEMENT_APP_NO_MAIN(CBraskApp);

namespace {

// Exit status when start-up ends because the named course cannot be opened
// or the 3-D view cannot be started.
constexpr int kStartupFailedStatus = 1;

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
    CloseRegistryKey();
    return wxApp::OnExit();
}

void CBraskApp::OnViewSetupFailed(wxCommandEvent& event)
{
    if (m_viewFailed || m_frame == nullptr)
        return;
    m_viewFailed = true;
    // The window would only stay black: the message stands alone, as after
    // a course that cannot be opened at start-up, and the program ends.
    m_frame->Hide();
    ShowFailure(event.GetString().utf8_string());
    m_frame->Destroy();
    m_frame = nullptr;
}

void CBraskApp::ShowFailure(const std::string& message)
{
    // What failed, then on a line of its own what to do: the box's headline
    // and its advice, one line on the terminal beside the driver's own
    // complaints.
    const std::size_t split = message.find('\n');
    const std::string what = message.substr(0, split);
    const std::string advice = split == std::string::npos ? "" : message.substr(split + 1);
    std::fprintf(stderr, "%s: %s%s%s\n", GetShellCommandLine().GetProgramName().c_str(), what.c_str(),
                 advice.empty() ? "" : " ", advice.c_str());
    wxMessageDialog box(nullptr, wxString::FromUTF8(what), CMainFrame::GameOptions().appTitle,
                        wxOK | wxICON_ERROR | wxCENTRE);
    box.SetExtendedMessage(wxString::FromUTF8(advice));
    box.ShowModal();
}
