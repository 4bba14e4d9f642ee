#include "editor/app/LabelImages.h"

#include "editor/core/GridGeometry.h"

#include <wx/dcmemory.h>
#include <wx/image.h>

#include <algorithm>

namespace {

constexpr int kUnknownTypeIndex = 8;

int IndexOf(int type)
{
    return type >= 1 && type <= 8 ? type - 1 : kUnknownTypeIndex;
}

}  // namespace

const wxBitmap& CLabelImages::Get(int type, const wxFont& font, int percent)
{
    if (!m_font.IsOk() || font != m_font || percent != m_percent) {
        for (wxBitmap& image : m_images)
            image = wxNullBitmap;
        m_font = font;
        m_percent = percent;
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
        dc.SelectObject(wxNullBitmap);
        if (percent != 100) {
            const wxImage text = image.ConvertToImage();
            const int width = std::max(1, text.GetWidth() * percent / 100);
            const int height = std::max(1, text.GetHeight() * percent / 100);
            image = wxBitmap(text.Scale(width, height, wxIMAGE_QUALITY_HIGH));
        }
    }
    return image;
}
