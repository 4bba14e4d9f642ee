// The grid drawn from a quarter to twice its size: what a drag selects, what is drawn where, the scroll extent.

#include "editor/core/GridZoom.h"

#include "editor/core/GridSelection.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CGridZoom ZoomOf(int percent)
{
    CGridZoom zoom;
    EXPECT_TRUE(zoom.SetPercent(percent)) << percent;
    return zoom;
}

}  // namespace

TEST(GridZoom, LevelsRunFromAQuarterToTwiceTheSize)
{
    CGridZoom zoom;
    std::vector<int> levels{zoom.GetPercent()};
    while (zoom.ZoomIn())
        levels.push_back(zoom.GetPercent());
    EXPECT_EQ(levels, std::vector<int>({100, 150, 200}));
    while (zoom.ZoomOut())
        levels.push_back(zoom.GetPercent());
    EXPECT_EQ(levels, std::vector<int>({100, 150, 200, 150, 100, 67, 50, 33, 25}));
    EXPECT_FALSE(zoom.SetPercent(75));
    EXPECT_EQ(zoom.GetPercent(), 25);
}

TEST(GridZoom, ADragSelectsTheCornersItSelectsScaledToActualSizeAndEachPixelPicksTheHalfCellDrawnThere)
{
    // Drags at actual size (even pixels, none on a half-cell's last pixel, which may round either way at x0.5).
    const GridRect drags[] = {{10, 60, 60, 90}, {0, 0, 148, 98}, {72, 26, 26, 72}, {-30, 210, 400, 8}};
    for (const int percent : {50, 200}) {
        const CGridZoom zoom = ZoomOf(percent);
        for (const GridRect& d : drags) {
            CGridSelection actual, zoomed;
            actual.OnPress({d.left, d.top});
            actual.OnRelease({d.right, d.bottom});
            zoomed.OnPress(zoom.FromScreen(zoom.ToScreen(GridPoint{d.left, d.top})));
            zoomed.OnRelease(zoom.FromScreen(zoom.ToScreen(GridPoint{d.right, d.bottom})));
            EXPECT_EQ(zoomed.GetFirstHalfCell(), actual.GetFirstHalfCell()) << percent << " %, from " << d.left;
            EXPECT_EQ(zoomed.GetLastHalfCell(), actual.GetLastHalfCell()) << percent << " %, from " << d.left;
        }
    }
    for (int level = 0; level < CGridZoom::kLevelCount; ++level) {
        const CGridZoom zoom = ZoomOf(CGridZoom::PercentOfLevel(level));
        for (int pixel = -60; pixel < 400; ++pixel) {
            const int j = CGridSelection::HalfCellAt({zoom.FromScreen(pixel), 0}).x;
            EXPECT_TRUE(zoom.ToScreen(kHalfCell * j) <= pixel && pixel < zoom.ToScreen(kHalfCell * (j + 1)))
                << "pixel " << pixel << " at level " << level;
        }
    }
}

TEST(GridZoom, TheExtentEndsOnTheGridsLastPixelAndTheOutlineStaysInsideItsFirstHalfCell)
{
    EXPECT_EQ(ZoomOf(100).ScrollExtent(3, 2), (GridPoint{151, 101}));
    EXPECT_EQ(ZoomOf(50).ScrollExtent(3, 2), (GridPoint{76, 51}));
    EXPECT_EQ(ZoomOf(200).ScrollExtent(4096, 1), (GridPoint{409601, 101}));
    EXPECT_EQ(ZoomOf(200).OutlineToScreen({1, 51, 75, 100}), (GridRect{1, 101, 150, 200}));
    // At 25 % cell 1 is drawn on screen pixels 12 to 24, and a repaint of just those draws just it.
    const CellRange cells = CellsMeeting(ZoomOf(25).AreaFromScreen({12, 12, 25, 25}), 9, 9);
    EXPECT_EQ(std::vector<int>({cells.firstColumn, cells.lastColumn, cells.firstRow, cells.lastRow}),
              std::vector<int>({1, 1, 1, 1}));
}
