#include "game/glview/demo/DemoFrame.h"

#include "game/glview/demo/DemoView.h"

#include <wx/menu.h>

namespace {

enum {
    ID_TOGGLE_ANIMATION = wxID_HIGHEST + 1,
    ID_STOCK_CHECKER,
    ID_STOCK_FAN,
    ID_STOCK_PLANE,
    ID_STOCK_EMPTY,
};

const wxSize kClientSize(640, 480);

} // namespace

wxBEGIN_EVENT_TABLE(CDemoFrame, wxFrame)
    EVT_MENU(ID_TOGGLE_ANIMATION, CDemoFrame::OnToggleAnimation)
    EVT_UPDATE_UI(ID_TOGGLE_ANIMATION, CDemoFrame::OnUpdateToggleAnimation)
    EVT_MENU_RANGE(ID_STOCK_CHECKER, ID_STOCK_EMPTY, CDemoFrame::OnStockScene)
    EVT_MENU(wxID_EXIT, CDemoFrame::OnQuit)
wxEND_EVENT_TABLE()

CDemoFrame::CDemoFrame(bool animate)
    : wxFrame(nullptr, wxID_ANY, wxS("glview-demo"))
{
    auto* view = new wxMenu;
    view->AppendCheckItem(ID_TOGGLE_ANIMATION, wxS("&Animate\tCtrl+A"));
    view->AppendSeparator();
    view->AppendRadioItem(ID_STOCK_CHECKER, wxS("&Checkerboard"));
    view->AppendRadioItem(ID_STOCK_FAN, wxS("&Fan"));
    view->AppendRadioItem(ID_STOCK_PLANE, wxS("&Grey plane"));
    view->AppendRadioItem(ID_STOCK_EMPTY, wxS("&No floor"));
    view->AppendSeparator();
    view->Append(wxID_EXIT, wxS("&Quit\tCtrl+Q"));
    auto* bar = new wxMenuBar;
    bar->Append(view, wxS("&View"));
    SetMenuBar(bar);
    CreateStatusBar(2);

    m_view = new CDemoView(this, animate);
    SetClientSize(kClientSize);
}

void CDemoFrame::OnToggleAnimation(wxCommandEvent&)
{
    m_view->OnToggleAnimation();
}

void CDemoFrame::OnUpdateToggleAnimation(wxUpdateUIEvent& event)
{
    m_view->OnUpdateToggleAnimation(event);
}

void CDemoFrame::OnStockScene(wxCommandEvent& event)
{
    switch (event.GetId()) {
    case ID_STOCK_CHECKER:
        m_view->SetStockScene(StockCheckerFloor);
        break;
    case ID_STOCK_FAN:
        m_view->SetStockScene(StockFanFloor);
        break;
    case ID_STOCK_PLANE:
        m_view->SetStockScene(StockPlane);
        break;
    default:
        // Any value outside the table records an empty scene.
        m_view->SetStockScene(1);
        break;
    }
}

void CDemoFrame::OnQuit(wxCommandEvent&)
{
    Close();
}
