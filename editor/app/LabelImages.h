#pragma once

#include <wx/bitmap.h>
#include <wx/font.h>

#include <array>

// The cell-type labels drawn once as pictures (black text on an opaque
// white box, exactly as the text itself is drawn) and then copied into
// every cell: laying out text is by far the dearest part of a repaint.
class CLabelImages {
public:
    // The picture of the label of `type` in `font`, scaled to `percent` of
    // its size; all are drawn again when the font or the scale changes.
    const wxBitmap& Get(int type, const wxFont& font, int percent = 100);

private:
    // One per label: types 1..8, then "     ?" for any other value.
    static constexpr int kLabelCount = 9;
    std::array<wxBitmap, kLabelCount> m_images;
    wxFont m_font;
    int m_percent = 100;
};
