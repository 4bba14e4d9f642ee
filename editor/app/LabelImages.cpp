#include "editor/app/LabelImages.h"

#include "editor/core/GridGeometry.h"

#include <wx/dcmemory.h>

namespace {

constexpr int kUnknownTypeIndex = 8;

int IndexOf(int type)
{
    return type >= 1 && type <= 8 ? type - 1 : kUnknownTypeIndex;
}

}  // namespace

const wxBitmap& CLabelImages::Get(int type, const wxFont& font)
{
    if (!m_font.IsOk() || font != m_font) {
        for (wxBitmap& image : m_images)
            image = wxNullBitmap;
        m_font = font;
    }
    wxBitmap& image = m_images[static_cast<std::size_t>(IndexOf(type))];
    if (!image.IsOk()) {
        const wxString label = CellLabel(type);
        wxMemoryDC measure;
        measure.SetFont(font);
        const wxSize size = measure.GetTextExtent(label);
        image = wxBitmap(size.GetWidth() > 0 ? size.GetWidth() : 1, size.GetHeight() > 0 ? size.GetHeight() : 1, 24);
        wxMemoryDC dc(image);
        dc.SetFont(font);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        dc.SetTextForeground(*wxBLACK);
        dc.SetTextBackground(*wxWHITE);
        dc.SetBackgroundMode(wxBRUSHSTYLE_SOLID);
        dc.DrawText(label, 0, 0);
    }
    return image;
}
