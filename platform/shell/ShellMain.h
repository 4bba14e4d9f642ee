#pragma once

#include "platform/shell/CommandLineInfo.h"

#include <vector>

#include <wx/string.h>

// The main() of either program. --help, --version and bad arguments are
// answered on the terminal without opening a display; otherwise the
// toolkit's application object (declared with wxIMPLEMENT_APP_NO_MAIN)
// runs. `programOptions` are the program's own options, which the other
// program neither lists nor accepts. Returns the exit status.
int RunShellProgram(int argc, char** argv, const char* program, const char* description,
                    std::vector<ProgramOption> programOptions = {});

// The command line as RunShellProgram parsed it, for the start-up sequence.
const CCommandLineInfo& GetShellCommandLine();

// Keeps the program's settings (window placement, recent files) in the
// toolkit's config object under `vendor`, stored in the XDG layout:
// $XDG_CONFIG_HOME/<program>/<program>.conf (~/.config by default).
// Call once at start-up, before the main frame is created.
void SetRegistryKey(const wxString& vendor);

// Writes the settings and lets go of them, without a word when they cannot
// be written. Call from the application's OnExit: the toolkit would
// otherwise write them after its message windows are gone.
void CloseRegistryKey();
