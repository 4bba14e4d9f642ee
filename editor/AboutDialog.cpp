#include "editor/AboutDialog.h"

#include "BraskVersion.h"
#include "editor/BraskitIcon.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

constexpr int kAboutIconSize = 32;

}  // namespace

CAboutDialog::CAboutDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "About Braskit")
{
    auto* icon = new wxStaticBitmap(this, wxID_ANY, MakeBraskitBitmap(FromDIP(kAboutIconSize)));
    auto* name = new wxStaticText(this, wxID_ANY, "Braskit Version 1.0");
    auto* line = new wxStaticText(this, wxID_ANY, BRASK_EDITOR_DESCRIPTION ", release " BRASK_VERSION_TEXT);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    SetEscapeId(wxID_OK);

    auto* texts = new wxBoxSizer(wxVERTICAL);
    texts->Add(name, 0, wxBOTTOM, FromDIP(8));
    texts->Add(line);
    auto* all = new wxBoxSizer(wxHORIZONTAL);
    all->Add(icon, 0, wxALL | wxALIGN_CENTER_VERTICAL, FromDIP(12));
    all->Add(texts, 1, wxTOP | wxBOTTOM | wxALIGN_CENTER_VERTICAL, FromDIP(12));
    all->Add(ok, 0, wxALL | wxALIGN_TOP, FromDIP(12));
    SetSizerAndFit(all);
    Centre();
    ok->SetFocus();
}
