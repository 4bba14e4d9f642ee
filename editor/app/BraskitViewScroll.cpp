// Scrolling and zoom.
#include "editor/app/BraskitView.h"

#include "editor/app/BraskitDoc.h"

#include <algorithm>
#include <climits>

namespace {

// Scroll steps in screen pixels at any zoom: a line is a cell at actual
// size, a page five.
constexpr int kLinePixels = kCellSize;
constexpr int kPagePixels = 5 * kCellSize;

}  // namespace

void CBraskitView::OnScrollWin(wxScrollWinEvent& event)
{
    // Handled here rather than by the toolkit, whose steps and ends are
    // whole scroll units: the grid's end would not meet the window's.
    const bool across = event.GetOrientation() == wxHORIZONTAL;
    const wxPoint start = GetViewStart();
    int position = across ? start.x : start.y;
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_SCROLLWIN_TOP)
        position = 0;
    else if (type == wxEVT_SCROLLWIN_BOTTOM)
        position = INT_MAX;
    else if (type == wxEVT_SCROLLWIN_LINEUP)
        position -= kLinePixels;
    else if (type == wxEVT_SCROLLWIN_LINEDOWN)
        position += kLinePixels;
    else if (type == wxEVT_SCROLLWIN_PAGEUP)
        position -= kPagePixels;
    else if (type == wxEVT_SCROLLWIN_PAGEDOWN)
        position += kPagePixels;
    else
        position = event.GetPosition();
    ScrollToPixel(across ? position : start.x, across ? start.y : position);
}

void CBraskitView::OnMouseWheel(wxMouseEvent& event)
{
    m_wheelRotation += event.GetWheelRotation();
    const int steps = event.GetWheelDelta() > 0 ? m_wheelRotation / event.GetWheelDelta() : 0;
    m_wheelRotation -= steps * event.GetWheelDelta();
    if (event.ControlDown()) {
        // Turned away from the user it zooms in, about the pointer.
        for (int i = 0; i < steps; ++i)
            ZoomIn(event.GetPosition());
        for (int i = 0; i > steps; --i)
            ZoomOut(event.GetPosition());
        return;
    }
    // Turning the wheel away scrolls up, or left with Shift; a sideways
    // wheel turned right scrolls right.
    const int pixels = steps * event.GetLinesPerAction() * kLinePixels;
    const wxPoint start = GetViewStart();
    if (event.GetWheelAxis() == wxMOUSE_WHEEL_HORIZONTAL)
        ScrollToPixel(start.x + pixels, start.y);
    else if (event.ShiftDown())
        ScrollToPixel(start.x - pixels, start.y);
    else
        ScrollToPixel(start.x, start.y - pixels);
}

void CBraskitView::ScrollToPixel(int x, int y)
{
    const wxSize client = GetClientSize();
    const wxSize extent = GetVirtualSize();
    Scroll(std::clamp(x, 0, std::max(0, extent.x - client.x)), std::clamp(y, 0, std::max(0, extent.y - client.y)));
    UpdateReadout();
}

bool CBraskitView::ZoomIn(wxPoint anchor)
{
    CGridZoom zoom = m_zoom;
    return zoom.ZoomIn() && ChangeZoom(zoom, anchor);
}

bool CBraskitView::ZoomOut(wxPoint anchor)
{
    CGridZoom zoom = m_zoom;
    return zoom.ZoomOut() && ChangeZoom(zoom, anchor);
}

bool CBraskitView::SetActualSize()
{
    CGridZoom zoom;
    return ChangeZoom(zoom, wxDefaultPosition);
}

bool CBraskitView::SetZoomPercent(int percent)
{
    CGridZoom zoom = m_zoom;
    return zoom.SetPercent(percent) && ChangeZoom(zoom, wxPoint(0, 0));
}

bool CBraskitView::ChangeZoom(const CGridZoom& zoom, wxPoint anchor)
{
    if (zoom.GetPercent() == m_zoom.GetPercent())
        return false;
    if (anchor == wxDefaultPosition)
        anchor = wxPoint(GetClientSize().x / 2, GetClientSize().y / 2);
    const GridPoint fixed = DocumentPixelAt(anchor);
    m_zoom = zoom;
    UpdateExtent();
    const GridPoint screen = m_zoom.ToScreen(fixed);
    ScrollToPixel(screen.x - anchor.x, screen.y - anchor.y);
    RedrawNow();
    return true;
}
