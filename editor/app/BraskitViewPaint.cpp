// Painting the course grid.
#include "editor/app/BraskitView.h"

#include "editor/app/BraskitDoc.h"
#include "editor/core/CornerColor.h"
#include "editor/core/GridGeometry.h"

#include <wx/dc.h>
#include <wx/region.h>

#include <algorithm>

namespace {

// The selection outline: two pixels wide, a strong blue.
const wxColour kSelectionColour(48, 48, 255);
constexpr int kSelectionPenWidth = 2;

wxRect ToWxRect(const GridRect& r)
{
    return wxRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

}  // namespace

void CBraskitView::OnDraw(wxDC& dc)
{
    // The update region is in window pixels; the device context is already
    // shifted to the whole grid's screen pixels.
    wxRegion damaged = GetUpdateRegion();
    const wxPoint origin = CalcUnscrolledPosition(wxPoint(0, 0));
    damaged.Offset(origin.x, origin.y);
    PaintArea(dc, damaged);
}

void CBraskitView::PaintArea(wxDC& dc, const wxRegion& damaged)
{
    const wxPen selectionPen(kSelectionColour, kSelectionPenWidth, wxPENSTYLE_SOLID);
    const CHeightField* course = m_document->GetHeightField();
    const int w = course->GetWidth();
    const int h = course->GetHeight();
    const wxRect box = damaged.GetBox();
    const GridRect area{box.GetLeft(), box.GetTop(), box.GetRight() + 1, box.GetBottom() + 1};
    const CGridZoom& zoom = m_zoom;

    // Grid lines: every line crossing the damaged box, cut to the box (the
    // pixels outside it are not repainted anyway). There is no line on the
    // right and bottom edges of the last column and row. Lines stay one
    // pixel wide at any zoom; zoomed, they go over the cells, whose squares
    // may then reach them.
    const auto drawGridLines = [&] {
        dc.SetPen(*wxBLACK_PEN);
        for (int i = 0; i < w; ++i) {
            const GridLine line = VerticalGridLine(i, h);
            const int x = zoom.ToScreen(line.from.x);
            if (x < area.left || x >= area.right)
                continue;
            const int top = std::max(zoom.ToScreen(line.from.y), area.top);
            const int bottom = std::min(zoom.ToScreen(line.to.y), area.bottom);
            if (top < bottom)
                dc.DrawLine(x, top, x, bottom);
        }
        for (int j = 0; j < h; ++j) {
            const GridLine line = HorizontalGridLine(j, w);
            const int y = zoom.ToScreen(line.from.y);
            if (y < area.top || y >= area.bottom)
                continue;
            const int left = std::max(zoom.ToScreen(line.from.x), area.left);
            const int right = std::min(zoom.ToScreen(line.to.x), area.right);
            if (left < right)
                dc.DrawLine(left, y, right, y);
        }
    };
    if (zoom.IsActualSize())
        drawGridLines();

    // Cells: only those meeting the damaged region are read and drawn. The
    // labels are in the window's own font, on opaque white, scaled with
    // the cells.
    const wxFont font = GetFont();
    dc.SetPen(*wxTRANSPARENT_PEN);
    const CellRange range = CellsMeeting(zoom.AreaFromScreen(area), w, h);
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
            if (damaged.Contains(ToWxRect(zoom.ToScreen(CellRect(c, r)))) == wxOutRegion)
                continue;
            const HeightCell cell = course->GetCell(c, CourseRowAt(r, h));
            for (int corner = 0; corner < 4; ++corner) {
                const RgbColor colour = CornerColor(cell.corner[corner]);
                dc.SetBrush(wxBrush(wxColour(colour.red, colour.green, colour.blue)));
                dc.DrawRectangle(ToWxRect(zoom.ToScreen(CornerSquareRect(c, r, corner))));
            }
            const GridPoint label = zoom.ToScreen(LabelOrigin(c, r));
            dc.DrawBitmap(m_labelImages.Get(cell.type, font, zoom.GetPercent()), label.x, label.y);
        }
    }

    if (!zoom.IsActualSize())
        drawGridLines();
    if (m_selection.HasSelection()) {
        dc.SetPen(selectionPen);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        DrawSelectionFrame(zoom.OutlineToScreen(m_selection.GetOutline()), dc);
    }
}

void CBraskitView::DrawSelectionFrame(const GridRect& rect, wxDC& dc)
{
    const wxPoint frame[] = {
        {rect.left, rect.top},
        {rect.left, rect.bottom},
        {rect.right, rect.bottom},
        {rect.right, rect.top},
        {rect.left, rect.top},
    };
    dc.DrawLines(static_cast<int>(sizeof frame / sizeof frame[0]), frame);
}
