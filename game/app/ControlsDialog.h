#pragma once

#include <wx/dialog.h>

// Help > Controls: the mouse and every key of the game, with the menu
// shortcuts, in two columns, and OK (which Escape answers too).
class CControlsDialog : public wxDialog {
public:
    explicit CControlsDialog(wxWindow* parent);
};
