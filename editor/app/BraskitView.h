#pragma once

#include "editor/core/GridSelection.h"
#include "editor/app/LabelImages.h"
#include "platform/shell/KeyTranslator.h"
#include "document/ViewLink.h"

#include <wx/scrolwin.h>

class CBraskitDoc;
class wxRegion;

// The editor's one view: the course as a scrollable grid of 50 x 50 cells,
// each showing its four corner heights as coloured squares and its type as
// a label, with the selection outlined on top. The left button selects
// corners (half-cells); keys change the selected corners and cell types.
//
// Painting is in BraskitViewPaint.cpp, selection and keys in
// BraskitViewEdit.cpp.
class CBraskitView : public wxScrolledCanvas, public CViewLink {
public:
    CBraskitView(wxWindow* parent, CBraskitDoc* document);
    ~CBraskitView() override;

    CBraskitDoc* GetDocument() const { return m_document; }
    const CGridSelection& GetSelection() const { return m_selection; }

    // After every New and Open: the scroll extent of the new course, then a
    // full repaint (the whole picture may have changed).
    void OnInitialUpdate() override;

    // Paints the part of the window being repainted.
    void OnDraw(wxDC& dc) override;
    // Paints the cells meeting `damaged` (document pixels) into a device
    // context already set up for document pixels; the grid lines and the
    // selection outline are drawn wherever they cross it.
    void PaintArea(wxDC& dc, const wxRegion& damaged);
    // The selection outline with the pen currently selected: left side
    // down, bottom, right side up, top.
    static void DrawSelectionFrame(const GridRect& rect, wxDC& dc);

    // Mouse and keys (BraskitViewEdit.cpp).
    void OnLButtonDown(wxMouseEvent& event);
    void OnLButtonUp(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnKillFocus(wxFocusEvent& event);

protected:
    // Keeps the keyboard page step at five cells after the toolkit resizes
    // the scrollbars.
    void AdjustScrollbars() override;

private:
    // Invalidates the whole view and repaints it before returning.
    void RedrawNow();

    CBraskitDoc* m_document;
    CGridSelection m_selection;
    CKeyTranslator m_keys;
    CLabelImages m_labelImages;

    wxDECLARE_EVENT_TABLE();
};
