#pragma once

#include <wx/accel.h>
#include <wx/string.h>

#include <vector>

class wxMenu;

// The menu items and accelerators that the main windows of both programs
// share, with the prompts the status bar shows for them. Each program adds
// its own items around them.

// Appends Open... (Ctrl+O), Save (Ctrl+S) and Save As... to a file menu.
void AppendOpenSaveItems(wxMenu& menu);

// Appends Exit to a file menu.
void AppendExitItem(wxMenu& menu);

// The Edit menu: Undo, Cut, Copy and Paste. Neither program undoes or edits
// through the clipboard, so the items are shown but never enabled.
wxMenu* MakeDisabledEditMenu();

// The Help menu with its one item, "&About <appTitle>...".
wxMenu* MakeHelpMenu(const wxString& appTitle);

// The accelerators that no menu item shows: the other keys of the Edit
// commands (Alt+Backspace, Shift+Del, Ctrl+Ins, Shift+Ins) and F6 and
// Shift+F6 for the next and previous pane, and a program's own `extra`
// ones. The others come with the items.
wxAcceleratorTable MakeShellAccelerators(const std::vector<wxAcceleratorEntry>& extra = {});
