#include "editor/app/BraskitView.h"

#include "editor/app/BraskitDoc.h"
#include "editor/core/GridGeometry.h"

#include <wx/settings.h>

wxBEGIN_EVENT_TABLE(CBraskitView, wxScrolledCanvas)
    EVT_LEFT_DOWN(CBraskitView::OnLButtonDown)
    EVT_LEFT_DCLICK(CBraskitView::OnLButtonDown)
    EVT_LEFT_UP(CBraskitView::OnLButtonUp)
    EVT_MOTION(CBraskitView::OnMouseMove)
    EVT_LEAVE_WINDOW(CBraskitView::OnMouseLeave)
    EVT_KEY_DOWN(CBraskitView::OnKeyDown)
    EVT_KEY_UP(CBraskitView::OnKeyUp)
    EVT_KILL_FOCUS(CBraskitView::OnKillFocus)
    EVT_SCROLLWIN(CBraskitView::OnScrollWin)
    EVT_MOUSEWHEEL(CBraskitView::OnMouseWheel)
wxEND_EVENT_TABLE()

CBraskitView::CBraskitView(wxWindow* parent, CBraskitDoc* document)
    : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxHSCROLL | wxVSCROLL | wxWANTS_CHARS),
      m_document(document)
{
    // The painting covers only the cells; the rest is the ordinary window
    // background, erased by the toolkit.
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    // Scroll positions in pixels, so that the grid's end can meet the
    // window's edge exactly; the view makes its own 50-pixel steps.
    SetScrollRate(1, 1);
    m_document->AddView(this);
}

CBraskitView::~CBraskitView()
{
    m_document->RemoveView(this);
}

void CBraskitView::OnInitialUpdate()
{
    UpdateExtent();
    FitStatusFields();
    OnCourseChanged();
}

void CBraskitView::OnCourseChanged()
{
    RedrawNow();
    UpdateReadout();
}

void CBraskitView::UpdateExtent()
{
    const CHeightField* course = m_document->GetHeightField();
    const GridPoint extent = m_zoom.ScrollExtent(course->GetWidth(), course->GetHeight());
    SetVirtualSize(extent.x, extent.y);
}

GridPoint CBraskitView::DocumentPixelAt(wxPoint windowPixel) const
{
    const wxPoint screen = CalcUnscrolledPosition(windowPixel);
    return m_zoom.FromScreen(GridPoint{screen.x, screen.y});
}

void CBraskitView::RedrawNow()
{
    Refresh(true);
    Update();
}
