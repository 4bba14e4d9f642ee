#include "platform/shell/ShellMain.h"

#include "platform/shell/CommandLineInfo.h"

#include <wx/app.h>
#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/init.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

#include <cstdio>
#include <string>

namespace {

// Exit status for a command line we cannot follow, as command-line tools use.
constexpr int kBadArgumentsStatus = 2;
// Exit status when the toolkit cannot start (no display), as for the other
// failures of start-up.
constexpr int kStartupFailedStatus = 1;

CCommandLineInfo& ShellCommandLine()
{
    static CCommandLineInfo info;
    return info;
}

wxString& ProgramName()
{
    static wxString name;
    return name;
}

}  // namespace

int RunShellProgram(int argc, char** argv, const char* program, const char* description)
{
    CCommandLineInfo& info = ShellCommandLine();
    info.ParseCommandLine(argc, argv);
    // The terminal hears of the command as it was typed; the manual page
    // goes by the installed name.
    const std::string invoked = info.GetProgramName().empty() ? program : info.GetProgramName();
    const wxString manPage = wxString(program).Lower();
    switch (info.GetShellCommand()) {
    case CCommandLineInfo::ShowHelp:
        std::fputs(CCommandLineInfo::HelpText(invoked, description, manPage.ToStdString()).c_str(), stdout);
        return 0;
    case CCommandLineInfo::ShowVersion:
        std::fputs(CCommandLineInfo::VersionText(program).c_str(), stdout);
        return 0;
    case CCommandLineInfo::BadArguments:
        std::fprintf(stderr, "%s: %s (try %s --help)\n", invoked.c_str(), info.GetError().c_str(), invoked.c_str());
        return kBadArgumentsStatus;
    case CCommandLineInfo::FileNew:
    case CCommandLineInfo::FileOpen:
        break;
    }
    ProgramName() = program;
    // Only the program name goes to the toolkit: the file name is ours, and
    // the toolkit must not take a course file for one of its own options.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argv[0], nullptr};
    // The toolkit's own complaints (no display) read as lines of their own.
    wxLog::DisableTimestamp();
    const int status = wxEntry(toolkitArgc, toolkitArgv);
    return status < 0 ? kStartupFailedStatus : status;
}

const CCommandLineInfo& GetShellCommandLine()
{
    return ShellCommandLine();
}

void SetRegistryKey(const wxString& vendor)
{
    wxApp* app = wxTheApp;
    const wxString program = ProgramName().empty() && app != nullptr ? app->GetAppName() : ProgramName();
    if (app != nullptr) {
        app->SetAppName(program);
        app->SetVendorName(vendor);
    }
    wxStandardPaths& paths = wxStandardPaths::Get();
    paths.SetFileLayout(wxStandardPaths::FileLayout_XDG);
    // One folder per program under the XDG config folder; the toolkit
    // writes the file but does not make its folder.
    const wxFileName file(paths.GetUserConfigDir() + "/" + program, program + ".conf");
    if (!file.DirExists()) {
        // Without the folder the settings are simply not kept.
        wxLogNull quiet;
        wxFileName::Mkdir(file.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    }
    auto* config = new wxFileConfig(program, vendor, file.GetFullPath(), wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
    delete wxConfigBase::Set(config);
}

void CloseRegistryKey()
{
    wxLogNull quiet;
    delete wxConfigBase::Set(nullptr);
}
