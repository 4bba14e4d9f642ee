#include "game/app/AboutDialog.h"

#include "BraskVersion.h"
#include "game/app/BraskIcon.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

constexpr int kAboutIconSize = 32;
constexpr int kMargin = 12;
constexpr int kLineGap = 8;

} // namespace

CAboutDialog::CAboutDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "About Brask")
{
    auto* icon = new wxStaticBitmap(this, wxID_ANY, MakeBraskBitmap(FromDIP(kAboutIconSize)));
    auto* name = new wxStaticText(this, wxID_ANY, "Brask Version 1.0", wxDefaultPosition, wxDefaultSize,
                                  wxST_NO_AUTORESIZE);
    auto* line = new wxStaticText(this, wxID_ANY, BRASK_GAME_DESCRIPTION ", release " BRASK_VERSION_TEXT);
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
