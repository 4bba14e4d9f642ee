#pragma once

#include <wx/dialog.h>

// "About Brask": the program icon, its name and version, one line on what
// it is, and OK.
class CAboutDialog : public wxDialog {
public:
    explicit CAboutDialog(wxWindow* parent);
};
