#include "editor/BraskitApp.h"

#include "BraskVersion.h"
#include "editor/BraskitView.h"
#include "editor/MainFrame.h"
#include "platform/ShellMain.h"

wxIMPLEMENT_APP_NO_MAIN(CBraskitApp);

int main(int argc, char** argv)
{
    return RunShellProgram(argc, argv, "Braskit", BRASK_EDITOR_DESCRIPTION);
}

bool CBraskitApp::OnInit()
{
    SetRegistryKey("Local AppWizard-Generated Applications");
    auto* frame = new CMainFrame(m_document);
    // Without a file the "New Heightfield" dialog comes before the window;
    // Cancel there ends the program.
    if (!frame->ProcessShellCommand(GetShellCommandLine())) {
        frame->Destroy();
        return true;
    }
    SetTopWindow(frame);
    frame->Show();
    frame->GetView()->SetFocus();
    return true;
}

int CBraskitApp::OnExit()
{
    CloseRegistryKey();
    return wxApp::OnExit();
}
