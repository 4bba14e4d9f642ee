#include "game/app/ControlsDialog.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

constexpr int kMargin = 12;
constexpr int kColumnGap = 16;
constexpr int kRowGap = 4;

// A key or the mouse, and what it does.
struct Row {
    const char* key;
    const char* action;
};
const Row kRows[] = {
    {"Mouse", "Push the ball: right and left along one edge of the course, up and down along the other"},
    {"Space", "Bring the pointer back to (500, 380) without pushing the ball, when it reaches an edge"},
    {"P or Pause", "Pause the game, and go on; the pointer meanwhile does not push the ball"},
    {"F11", "Full screen, and back"},
    {"Escape", "Quit"},
    {"Ctrl+N", "Start the course again"},
    {"N", "Next course, after a win"},
    {"Ctrl+O", "Open a course"},
    {"Ctrl+S", "Save the course"},
};

}  // namespace

CControlsDialog::CControlsDialog(wxWindow* parent) : wxDialog(parent, wxID_ANY, "Controls")
{
    auto* table = new wxFlexGridSizer(2, FromDIP(kRowGap), FromDIP(kColumnGap));
    for (const Row& row : kRows) {
        auto* key = new wxStaticText(this, wxID_ANY, row.key);
        key->SetFont(key->GetFont().Bold());
        table->Add(key);
        table->Add(new wxStaticText(this, wxID_ANY, row.action));
    }
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    SetEscapeId(wxID_OK);

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(table, 0, wxALL, FromDIP(kMargin));
    all->Add(ok, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, FromDIP(kMargin));
    SetSizerAndFit(all);
    Centre();
    ok->SetFocus();
}
