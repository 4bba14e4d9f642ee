#pragma once

#include <wx/dialog.h>

class wxTextCtrl;

// "New Heightfield": asks the width and height of a new course. Both edits
// open at 0. OK is accepted only for whole numbers of 0 or more whose
// product is at most CHeightField::kMaxCells; otherwise a message says why
// and the dialog stays open.
class CNewHeightfieldDialog : public wxDialog {
public:
    explicit CNewHeightfieldDialog(wxWindow* parent = nullptr);

    // Checks and takes the edits' values when OK is pressed.
    bool TransferDataFromWindow() override;

    int m_nHeight = 0;
    int m_nWidth = 0;

    wxTextCtrl* GetWidthEdit() const { return m_widthEdit; }
    wxTextCtrl* GetHeightEdit() const { return m_heightEdit; }

protected:
    // The refusal message; a virtual so tests can read it.
    virtual void ShowRefusal(const wxString& message);

private:
    wxTextCtrl* m_widthEdit = nullptr;
    wxTextCtrl* m_heightEdit = nullptr;
};
