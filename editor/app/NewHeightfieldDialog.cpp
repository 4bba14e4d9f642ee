#include "editor/app/NewHeightfieldDialog.h"

#include "course/HeightField.h"

#include <wx/button.h>
#include <wx/msgdlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valnum.h>

#include <cstdint>

namespace {

// Edit control ids of the dialog.
constexpr int kWidthEditId = 1000;
constexpr int kHeightEditId = 1001;

// Wide enough for "16777216" in the default font.
constexpr int kEditWidthChars = 10;

// "16,777,216": the limit reads the same whatever the locale.
wxString GroupedDigits(long long value)
{
    wxString digits = wxString::Format("%lld", value);
    for (int i = static_cast<int>(digits.length()) - 3; i > 0; i -= 3)
        digits.insert(static_cast<size_t>(i), ",");
    return digits;
}

bool ParseWholeNumber(const wxString& text, long long& value)
{
    wxString trimmed = text;
    trimmed.Trim(true).Trim(false);
    return !trimmed.empty() && trimmed.ToLongLong(&value);
}

}  // namespace

CNewHeightfieldDialog::CNewHeightfieldDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "New Heightfield")
{
    // Created in the tab order of the dialog: the buttons, then the edits.
    auto* ok = new wxButton(this, wxID_OK, "OK");
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");
    // The integer validators take the values to and from the members and
    // refuse keystrokes that cannot be part of a whole number.
    m_widthEdit = new wxTextCtrl(this, kWidthEditId, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0,
                                 wxIntegerValidator<int>(&m_nWidth));
    m_heightEdit = new wxTextCtrl(this, kHeightEditId, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0,
                                  wxIntegerValidator<int>(&m_nHeight));
    const wxSize editSize(GetCharWidth() * kEditWidthChars, -1);
    m_widthEdit->SetMinSize(editSize);
    m_heightEdit->SetMinSize(editSize);
    auto* widthLabel = new wxStaticText(this, wxID_ANY, "Width");
    auto* heightLabel = new wxStaticText(this, wxID_ANY, "Height");
    ok->SetDefault();

    // Labels beside their edits on the left, Width above Height with a gap;
    // OK above Cancel on the right.
    auto* fields = new wxFlexGridSizer(2, wxSize(FromDIP(8), FromDIP(12)));
    fields->Add(widthLabel, 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(m_widthEdit, 0, wxEXPAND);
    fields->Add(heightLabel, 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(m_heightEdit, 0, wxEXPAND);
    auto* buttons = new wxBoxSizer(wxVERTICAL);
    buttons->Add(ok, 0, wxEXPAND);
    buttons->AddSpacer(FromDIP(6));
    buttons->Add(cancel, 0, wxEXPAND);
    auto* all = new wxBoxSizer(wxHORIZONTAL);
    all->Add(fields, 0, wxALL, FromDIP(12));
    all->AddSpacer(FromDIP(12));
    all->Add(buttons, 0, wxALL, FromDIP(12));
    SetSizerAndFit(all);
    Centre();

    // Ready for typing the width at once.
    m_widthEdit->SetFocus();
}

bool CNewHeightfieldDialog::TransferDataFromWindow()
{
    long long width = 0;
    long long height = 0;
    if (!ParseWholeNumber(m_widthEdit->GetValue(), width)) {
        ShowRefusal("The width must be a whole number.");
        m_widthEdit->SetFocus();
        return false;
    }
    if (!ParseWholeNumber(m_heightEdit->GetValue(), height)) {
        ShowRefusal("The height must be a whole number.");
        m_heightEdit->SetFocus();
        return false;
    }
    const wxString limit = GroupedDigits(CHeightField::kMaxCells);
    if (width < 0 || height < 0) {
        ShowRefusal(wxString::Format("The width and height must be 0 or more, and a course can have at most "
                                     "%s cells.",
                                     limit));
        return false;
    }
    // Each factor is checked first, so the product cannot overflow.
    if (width > CHeightField::kMaxCells || height > CHeightField::kMaxCells
        || width * height > CHeightField::kMaxCells) {
        ShowRefusal(wxString::Format(L"A course can have at most %s cells; %lld \u00D7 %lld is too large.", limit,
                                     width, height));
        return false;
    }
    m_nWidth = static_cast<int>(width);
    m_nHeight = static_cast<int>(height);
    return true;
}

void CNewHeightfieldDialog::ShowRefusal(const wxString& message)
{
    wxMessageBox(message, GetTitle(), wxOK | wxICON_WARNING, this);
}
