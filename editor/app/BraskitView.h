#pragma once

#include "editor/core/GridSelection.h"
#include "editor/core/GridZoom.h"
#include "editor/app/LabelImages.h"
#include "platform/shell/KeyTranslator.h"
#include "document/ViewLink.h"

#include <wx/scrolwin.h>

class CBraskitDoc;
class wxRegion;
class wxStatusBar;

// The editor's one view: the course as a scrollable grid of 50 x 50 cells,
// each showing its four corner heights as coloured squares and its type as
// a label, with the selection outlined on top, drawn from a quarter to twice
// that size. The left button selects corners (half-cells); keys change the
// selected corners and cell types. Under the pointer it reads out the cell
// and corner, and the selection's size, into its frame's status bar.
//
// Painting is in BraskitViewPaint.cpp, selection, keys and the readout in
// BraskitViewEdit.cpp, scrolling and zoom in BraskitViewScroll.cpp.
class CBraskitView : public wxScrolledCanvas, public CViewLink {
public:
    // The frame's status bar fields the view and its frame write.
    enum StatusField { kMessageField, kPointerField, kSelectionField, kStatusFieldCount };
    static constexpr int kStatusMargin = 12;  // pixels beside a field's text

    CBraskitView(wxWindow* parent, CBraskitDoc* document);
    ~CBraskitView() override;

    CBraskitDoc* GetDocument() const { return m_document; }
    const CGridSelection& GetSelection() const { return m_selection; }
    const CGridZoom& GetZoom() const { return m_zoom; }

    // After every New and Open: the scroll extent of the new course, then a
    // full repaint (the whole picture may have changed).
    void OnInitialUpdate() override;
    // After an undo or redo: the course changed in place.
    void OnCourseChanged();

    // Zoom In, Zoom Out, Actual Size and a percentage from the settings,
    // keeping the course point at `anchor` (window pixels; the middle of
    // the window by default) where it is. False when the zoom stays.
    bool ZoomIn(wxPoint anchor = wxDefaultPosition);
    bool ZoomOut(wxPoint anchor = wxDefaultPosition);
    bool SetActualSize();
    bool SetZoomPercent(int percent);

    // Paints the part of the window being repainted.
    void OnDraw(wxDC& dc) override;
    // Paints the cells meeting `damaged` (screen pixels of the whole grid,
    // not scrolled) into a device context set up for them; the grid lines
    // and the selection outline are drawn wherever they cross it.
    void PaintArea(wxDC& dc, const wxRegion& damaged);
    // The selection outline with the pen currently selected: left side
    // down, bottom, right side up, top.
    static void DrawSelectionFrame(const GridRect& rect, wxDC& dc);

    // Mouse and keys (BraskitViewEdit.cpp). A double click's second press
    // is a press like any other.
    void OnLButtonDown(wxMouseEvent& event);
    void OnLButtonUp(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnMouseLeave(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    void OnKeyUp(wxKeyEvent& event);
    void OnKillFocus(wxFocusEvent& event);

    // Scrolling (BraskitViewScroll.cpp): every way of scrolling stops where
    // the grid's last pixel meets the window's edge. Lines are 50 pixels,
    // pages 250; the wheel scrolls, and zooms with Ctrl held.
    void OnScrollWin(wxScrollWinEvent& event);
    void OnMouseWheel(wxMouseEvent& event);
    // Scrolls so that screen pixel (x, y) of the grid is at the window's
    // top-left, or as near as the grid allows.
    void ScrollToPixel(int x, int y);

private:
    // Invalidates the whole view and repaints it before returning.
    void RedrawNow();
    // The scroll extent of the course at the zoom.
    void UpdateExtent();
    // The document pixel at actual size under a window pixel.
    GridPoint DocumentPixelAt(wxPoint windowPixel) const;
    // The pointer's and the selection's words in the status bar.
    void UpdateReadout();
    void SetStatus(StatusField field, const std::string& text);
    wxStatusBar* GetStatusBar() const;
    // Makes the readout fields as wide as their longest words on the course.
    void FitStatusFields();
    bool ChangeZoom(const CGridZoom& zoom, wxPoint anchor);

    CBraskitDoc* m_document;
    CGridSelection m_selection;
    CGridZoom m_zoom;
    CKeyTranslator m_keys;
    CLabelImages m_labelImages;
    bool m_pointerInside = false;
    wxPoint m_pointer;        // window pixels, while inside
    int m_wheelRotation = 0;  // what is left of the wheel below one step

    wxDECLARE_EVENT_TABLE();
};
