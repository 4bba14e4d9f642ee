// Selection with the left button, editing with the keys, and the readout.
#include "editor/app/BraskitView.h"

#include "editor/app/BraskitDoc.h"
#include "editor/core/StatusText.h"

#include <wx/frame.h>
#include <wx/statusbr.h>

#include <algorithm>

void CBraskitView::OnLButtonDown(wxMouseEvent& event)
{
    SetFocus();
    m_selection.OnPress(DocumentPixelAt(event.GetPosition()));
    event.Skip();
}

void CBraskitView::OnLButtonUp(wxMouseEvent& event)
{
    if (m_selection.OnRelease(DocumentPixelAt(event.GetPosition()))) {
        RedrawNow();
        UpdateReadout();
    }
    event.Skip();
}

void CBraskitView::OnMouseMove(wxMouseEvent& event)
{
    m_pointerInside = true;
    m_pointer = event.GetPosition();
    UpdateReadout();
    event.Skip();
}

void CBraskitView::OnMouseLeave(wxMouseEvent& event)
{
    m_pointerInside = false;
    UpdateReadout();
    event.Skip();
}

void CBraskitView::OnKeyDown(wxKeyEvent& event)
{
    m_document->ApplyKey(m_selection, m_keys.OnKeyDown(event));
    OnCourseChanged();
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

void CBraskitView::UpdateReadout()
{
    const CHeightField& course = *m_document->GetHeightField();
    SetStatus(kPointerField, m_pointerInside ? PointerReadout(course, DocumentPixelAt(m_pointer)) : std::string());
    SetStatus(kSelectionField, SelectionReadout(m_selection, course));
}

wxStatusBar* CBraskitView::GetStatusBar() const
{
    auto* frame = wxDynamicCast(GetParent(), wxFrame);
    return frame != nullptr ? frame->GetStatusBar() : nullptr;
}

void CBraskitView::FitStatusFields()
{
    wxStatusBar* bar = GetStatusBar();
    if (bar == nullptr || bar->GetFieldsCount() != kStatusFieldCount)
        return;
    const CHeightField& course = *m_document->GetHeightField();
    const std::vector<std::string> readouts = ReadoutsToFit(course.GetWidth(), course.GetHeight());
    int pointer = 0;
    for (std::size_t i = 1; i < readouts.size(); ++i)
        pointer = std::max(pointer, bar->GetTextExtent(wxString::FromUTF8(readouts[i].c_str())).x);
    // Messages and menu prompts take what is left. The margins cover the
    // fields' borders and, on the last, the size grip.
    const int widths[kStatusFieldCount] = {
        -1, pointer + kStatusMargin, bar->GetTextExtent(wxString::FromUTF8(readouts[0].c_str())).x + 3 * kStatusMargin};
    bar->SetStatusWidths(kStatusFieldCount, widths);
}

void CBraskitView::SetStatus(StatusField field, const std::string& text)
{
    wxStatusBar* bar = GetStatusBar();
    const wxString words = wxString::FromUTF8(text.c_str());
    if (bar != nullptr && bar->GetFieldsCount() > field && bar->GetStatusText(field) != words)
        bar->SetStatusText(words, field);
}
