#include "editor/app/BraskitApp.h"

#include "BraskVersion.h"
#include "editor/app/BraskitView.h"
#include "editor/app/MainFrame.h"
#include "platform/shell/CommandLineInfo.h"
#include "platform/shell/ShellMain.h"

wxIMPLEMENT_APP_NO_MAIN(CBraskitApp);

namespace {

// Exit status when the course named on the command line cannot be opened.
constexpr int kStartupFailedStatus = 1;

}  // namespace

int main(int argc, char** argv)
{
    return RunShellProgram(argc, argv, "Braskit", BRASK_EDITOR_DESCRIPTION);
}

bool CBraskitApp::OnInit()
{
    SetRegistryKey("Local AppWizard-Generated Applications");
    auto* frame = new CMainFrame(m_document);
    // Without a file the "New Heightfield" dialog comes before the window;
    // Cancel there ends the program. A named course that cannot be opened
    // ends it after its message, as a failure that scripts must see.
    const CCommandLineInfo& info = GetShellCommandLine();
    if (!frame->ProcessShellCommand(info)) {
        frame->Destroy();
        m_startupFailed = info.GetShellCommand() == CCommandLineInfo::FileOpen;
        return true;
    }
    SetTopWindow(frame);
    frame->Show();
    frame->GetView()->SetFocus();
    return true;
}

int CBraskitApp::OnRun()
{
    if (m_startupFailed)
        return kStartupFailedStatus;
    return wxApp::OnRun();
}

int CBraskitApp::OnExit()
{
    CloseRegistryKey();
    return wxApp::OnExit();
}
