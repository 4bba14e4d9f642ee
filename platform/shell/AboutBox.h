#pragma once

#include <wx/bitmap.h>
#include <wx/dialog.h>

// A program's about box: its icon, its name and version, one line on what it
// is, and OK (which Escape answers too).
class CAboutBox : public wxDialog {
public:
    // `makeIcon` draws the program's icon at the size asked for.
    CAboutBox(wxWindow* parent, const wxString& title, wxBitmap (*makeIcon)(int size), const wxString& nameAndVersion,
              const wxString& description);
};
