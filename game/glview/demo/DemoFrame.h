#pragma once

#include <wx/frame.h>

class CDemoView;

// The demo's main frame: the view fills it; the View menu switches the
// animation and the stock scene.
class CDemoFrame : public wxFrame {
public:
    explicit CDemoFrame(bool animate);

private:
    void OnToggleAnimation(wxCommandEvent& event);
    void OnUpdateToggleAnimation(wxUpdateUIEvent& event);
    void OnStockScene(wxCommandEvent& event);
    void OnQuit(wxCommandEvent& event);

    CDemoView* m_view;

    wxDECLARE_EVENT_TABLE();
};
