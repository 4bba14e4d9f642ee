#include "editor/app/BraskitView.h"

#include "editor/app/BraskitDoc.h"
#include "editor/core/GridGeometry.h"

#include <wx/settings.h>

namespace {

// Scroll steps: a line is one cell, a page five cells.
constexpr int kLinePixels = kCellSize;
constexpr int kPageLines = 5;

}  // namespace

wxBEGIN_EVENT_TABLE(CBraskitView, wxScrolledCanvas)
    EVT_LEFT_DOWN(CBraskitView::OnLButtonDown)
    EVT_LEFT_UP(CBraskitView::OnLButtonUp)
    EVT_KEY_DOWN(CBraskitView::OnKeyDown)
    EVT_KEY_UP(CBraskitView::OnKeyUp)
    EVT_KILL_FOCUS(CBraskitView::OnKillFocus)
wxEND_EVENT_TABLE()

CBraskitView::CBraskitView(wxWindow* parent, CBraskitDoc* document)
    : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxHSCROLL | wxVSCROLL | wxWANTS_CHARS),
      m_document(document)
{
    // The painting covers only the cells; the rest is the ordinary window
    // background, erased by the toolkit.
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    SetScrollRate(kLinePixels, kLinePixels);
    m_document->AddView(this);
}

CBraskitView::~CBraskitView()
{
    m_document->RemoveView(this);
}

void CBraskitView::OnInitialUpdate()
{
    CHeightField* course = m_document->GetHeightField();
    const GridPoint extent = ScrollExtent(course->GetWidth(), course->GetHeight());
    SetVirtualSize(extent.x, extent.y);
    RedrawNow();
}

void CBraskitView::AdjustScrollbars()
{
    wxScrolledCanvas::AdjustScrollbars();
    SetScrollPageSize(wxHORIZONTAL, kPageLines);
    SetScrollPageSize(wxVERTICAL, kPageLines);
}

void CBraskitView::RedrawNow()
{
    Refresh(true);
    Update();
}
