#include "course/CoursePicture.h"

#include "course/CellType.h"
#include "course/HeightField.h"

#include <cstring>

namespace {

// The picture's characters, in the order of the cell types from Floor on.
constexpr char kTypeCharacters[] = ".#SF<>im";

}  // namespace

CornerHeights SmoothHeights(const std::function<int(int cornerX, int cornerY)>& height)
{
    return [height](int x, int y) {
        return std::array<int, 4>{height(x, y), height(x + 1, y), height(x + 1, y + 1), height(x, y + 1)};
    };
}

bool PaintCourse(CHeightField& grid, const std::vector<std::string>& picture, const CornerHeights& heights,
                 std::string& reason)
{
    const int height = static_cast<int>(picture.size());
    const int width = height > 0 ? static_cast<int>(picture[0].size()) : 0;
    grid.Create(width, height);
    if (grid.GetWidth() != width || grid.GetHeight() != height || width == 0) {
        reason = "the picture has no cells";
        return false;
    }
    for (int y = 0; y < height; ++y) {
        const std::string& row = picture[height - 1 - y];
        if (static_cast<int>(row.size()) != width) {
            reason = "row " + std::to_string(y) + " is not " + std::to_string(width) + " cells wide";
            return false;
        }
        for (int x = 0; x < width; ++x) {
            const char* type = row[x] != '\0' ? std::strchr(kTypeCharacters, row[x]) : nullptr;
            if (type == nullptr) {
                reason = std::string("unknown cell '") + row[x] + "' in row " + std::to_string(y);
                return false;
            }
            HeightCell cell{static_cast<std::int16_t>(Floor + (type - kTypeCharacters)), {0, 0, 0, 0}, 0};
            const std::array<int, 4> corners = cell.type == Hole ? std::array<int, 4>{} : heights(x, y);
            for (int i = 0; i < 4; ++i) {
                if (corners[i] < kLowestHeight || corners[i] > kHighestHeight) {
                    reason = "cell (" + std::to_string(x) + ", " + std::to_string(y) + ") has height "
                             + std::to_string(corners[i]);
                    return false;
                }
                cell.corner[i] = static_cast<std::int16_t>(corners[i]);
            }
            grid.SetCell(x, y, cell);
        }
    }
    return true;
}
