#pragma once

#include <string>

// Where this desktop keeps things, without any toolkit: the user's XDG base
// folders and the folder the running program lies in. Folders come without
// a trailing slash; an empty one means it cannot be known.

// $XDG_DATA_HOME, or ~/.local/share: data the user adds, such as courses.
std::string XdgDataHome();
// $XDG_STATE_HOME, or ~/.local/state: what a program keeps between runs
// that is neither a setting nor a document, such as best times.
std::string XdgStateHome();

// The rule both follow, for tests: a set, absolute `value` of the variable
// wins; otherwise `home` followed by `fallback` (".local/share"), or empty
// when there is no home either. Relative values are ignored, as the base
// folders' rules ask.
std::string XdgFolder(const char* value, const std::string& home, const char* fallback);

// The user's home: $HOME, or the password database's entry when it is unset.
std::string HomeFolder();

// The folder of the running program's file, its links resolved.
std::string ProgramFolder();
