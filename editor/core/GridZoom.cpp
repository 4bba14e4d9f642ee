#include "editor/core/GridZoom.h"

#include <climits>
#include <cstdint>

namespace {

// Each level's scale as a fraction: 25 %, 33 %, 50 %, 67 %, 100 %, 150 %, 200 %.
struct Scale {
    int numerator;
    int denominator;
};
constexpr Scale kScales[CGridZoom::kLevelCount] = {{1, 4}, {1, 3}, {1, 2}, {2, 3}, {1, 1}, {3, 2}, {2, 1}};

// Rounds towards minus infinity, also left of and above the grid; the
// result is held within int, where the selection's far points may lie.
int FloorDivToInt(std::int64_t value, std::int64_t divisor)
{
    std::int64_t quotient = value / divisor;
    if (value % divisor != 0 && value < 0)
        --quotient;
    if (quotient < INT_MIN)
        return INT_MIN;
    return quotient > INT_MAX ? INT_MAX : static_cast<int>(quotient);
}

}  // namespace

int CGridZoom::PercentOfLevel(int level)
{
    const Scale s = kScales[level];
    return (200 * s.numerator + s.denominator) / (2 * s.denominator);
}

bool CGridZoom::ZoomIn()
{
    if (m_level + 1 >= kLevelCount)
        return false;
    ++m_level;
    return true;
}

bool CGridZoom::ZoomOut()
{
    if (m_level == 0)
        return false;
    --m_level;
    return true;
}

bool CGridZoom::SetPercent(int percent)
{
    for (int level = 0; level < kLevelCount; ++level) {
        if (PercentOfLevel(level) == percent) {
            m_level = level;
            return true;
        }
    }
    return false;
}

int CGridZoom::ToScreen(int documentPixel) const
{
    const Scale s = kScales[m_level];
    return FloorDivToInt(std::int64_t{documentPixel} * s.numerator, s.denominator);
}

int CGridZoom::FromScreen(int screenPixel) const
{
    // The largest u with floor(u * n / d) <= z is floor(((z + 1) * d - 1) / n).
    const Scale s = kScales[m_level];
    return FloorDivToInt((std::int64_t{screenPixel} + 1) * s.denominator - 1, s.numerator);
}

GridRect CGridZoom::ToScreen(const GridRect& r) const
{
    return {ToScreen(r.left), ToScreen(r.top), ToScreen(r.right), ToScreen(r.bottom)};
}

GridRect CGridZoom::OutlineToScreen(const GridRect& outline) const
{
    return {ToScreen(outline.left - 1) + 1, ToScreen(outline.top - 1) + 1, ToScreen(outline.right),
            ToScreen(outline.bottom)};
}

GridRect CGridZoom::AreaFromScreen(const GridRect& area) const
{
    return {FromScreen(area.left), FromScreen(area.top), FromScreen(area.right - 1) + 1,
            FromScreen(area.bottom - 1) + 1};
}

GridPoint CGridZoom::ScrollExtent(int width, int height) const
{
    const GridPoint actual = ::ScrollExtent(width, height);
    return {ToScreen(actual.x - 1) + 1, ToScreen(actual.y - 1) + 1};
}
