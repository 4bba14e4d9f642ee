#include "editor/thumbnailer/Thumbnail.h"

#include "course/CellType.h"
#include "course/HeightField.h"

#include <algorithm>

namespace {

// Holes are dark whatever their height; the start is a blue no height has;
// the finish is a chequered flag, one square per quarter cell.
constexpr RgbColor kHoleColor{24, 24, 24};
constexpr RgbColor kStartColor{0, 0, 255};
constexpr RgbColor kFlagLight{255, 255, 255};
constexpr RgbColor kFlagDark{0, 0, 0};
// Ice is the height's colour whitened; mud the height's colour browned.
constexpr RgbColor kIceTint{255, 255, 255};
constexpr RgbColor kMudTint{96, 64, 32};

RgbColor Halfway(RgbColor a, RgbColor b)
{
    const auto mid = [](int x, int y) { return static_cast<std::uint8_t>((x + y + 1) / 2); };
    return {mid(a.red, b.red), mid(a.green, b.green), mid(a.blue, b.blue)};
}

}  // namespace

RgbColor Thumbnail::At(int x, int y) const
{
    const std::size_t i = 3 * (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x);
    return {rgb[i], rgb[i + 1], rgb[i + 2]};
}

RgbColor QuarterColor(const HeightCell& cell, int corner)
{
    const RgbColor height = CornerColor(cell.corner[corner]);
    switch (cell.type) {
    case Hole: return kHoleColor;
    case Start: return kStartColor;
    // Corners 0 and 2 lie diagonally across the cell, so neighbouring
    // finish cells make one unbroken chequer.
    case Finish: return corner % 2 == 0 ? kFlagLight : kFlagDark;
    case Ice: return Halfway(height, kIceTint);
    case Mud: return Halfway(height, kMudTint);
    default: return height;
    }
}

Thumbnail DrawThumbnail(const CHeightField& course, int size)
{
    Thumbnail picture;
    const std::int64_t w = course.GetWidth();
    const std::int64_t h = course.GetHeight();
    if (w < 1 || h < 1)
        return picture;
    const std::int64_t side = std::clamp(size, 1, kMaxThumbnailSide);
    const std::int64_t longer = std::max(w, h);
    picture.width = static_cast<int>(std::max<std::int64_t>(1, (w * side + longer / 2) / longer));
    picture.height = static_cast<int>(std::max<std::int64_t>(1, (h * side + longer / 2) / longer));
    picture.rgb.resize(3 * static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));

    // Half-cell steps: a pixel's centre (p + 1/2) lands on half cell
    // (2p + 1) * cells / pixels, whose parity says which side of the cell.
    std::vector<int> column(static_cast<std::size_t>(picture.width));
    for (int px = 0; px < picture.width; ++px)
        column[static_cast<std::size_t>(px)] = static_cast<int>((2 * px + 1) * w / picture.width);
    std::uint8_t* out = picture.rgb.data();
    for (int py = 0; py < picture.height; ++py) {
        // Counted from the bottom of the course, as its rows are.
        const std::int64_t half = 2 * h - 1 - (2 * py + 1) * h / picture.height;
        const int y = static_cast<int>(half / 2);
        const bool upper = half % 2 != 0;
        for (int px = 0; px < picture.width; ++px) {
            const int halfX = column[static_cast<std::size_t>(px)];
            const bool right = halfX % 2 != 0;
            // corner[0] (x, y), [1] (x + 1, y), [2] (x + 1, y + 1), [3] (x, y + 1)
            const int corner = upper ? (right ? 2 : 3) : (right ? 1 : 0);
            const RgbColor c = QuarterColor(course.GetCell(halfX / 2, y), corner);
            *out++ = c.red;
            *out++ = c.green;
            *out++ = c.blue;
        }
    }
    return picture;
}
