// Selection with the left button and editing with the keys.
#include "editor/app/BraskitView.h"

#include "editor/app/BraskitDoc.h"
#include "editor/core/KeyEdit.h"

namespace {

GridPoint ToGridPoint(const wxPoint& point)
{
    return {point.x, point.y};
}

}  // namespace

void CBraskitView::OnLButtonDown(wxMouseEvent& event)
{
    SetFocus();
    m_selection.OnPress(ToGridPoint(CalcUnscrolledPosition(event.GetPosition())));
    event.Skip();
}

void CBraskitView::OnLButtonUp(wxMouseEvent& event)
{
    if (m_selection.OnRelease(ToGridPoint(CalcUnscrolledPosition(event.GetPosition()))))
        RedrawNow();
    event.Skip();
}

void CBraskitView::OnKeyDown(wxKeyEvent& event)
{
    const KeyMessage key = m_keys.OnKeyDown(event);
    if (ApplyKeyToSelection(*m_document->GetHeightField(), m_selection, key))
        m_document->SetModifiedFlag();
    RedrawNow();
    // On to the toolkit: the arrow and page keys scroll the view.
    event.Skip();
}

void CBraskitView::OnKeyUp(wxKeyEvent& event)
{
    m_keys.OnKeyUp(event);
    event.Skip();
}

void CBraskitView::OnKillFocus(wxFocusEvent& event)
{
    // Keys released while another window has the keyboard never reach us.
    m_keys.Reset();
    event.Skip();
}
