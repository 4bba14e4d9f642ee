#include "platform/shell/AboutBox.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

constexpr int kIconSize = 32;
constexpr int kMargin = 12;
constexpr int kLineGap = 8;

}  // namespace

CAboutBox::CAboutBox(wxWindow* parent, const wxString& title, wxBitmap (*makeIcon)(int size),
                     const wxString& nameAndVersion, const wxString& description)
    : wxDialog(parent, wxID_ANY, title)
{
    auto* icon = new wxStaticBitmap(this, wxID_ANY, makeIcon(FromDIP(kIconSize)));
    auto* name = new wxStaticText(this, wxID_ANY, nameAndVersion);
    auto* line = new wxStaticText(this, wxID_ANY, description);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    SetEscapeId(wxID_OK);

    auto* texts = new wxBoxSizer(wxVERTICAL);
    texts->Add(name, 0, wxBOTTOM, FromDIP(kLineGap));
    texts->Add(line);
    auto* all = new wxBoxSizer(wxHORIZONTAL);
    all->Add(icon, 0, wxALL | wxALIGN_CENTER_VERTICAL, FromDIP(kMargin));
    all->Add(texts, 1, wxTOP | wxBOTTOM | wxALIGN_CENTER_VERTICAL, FromDIP(kMargin));
    all->Add(ok, 0, wxALL | wxALIGN_TOP, FromDIP(kMargin));
    SetSizerAndFit(all);
    Centre();
    ok->SetFocus();
}
