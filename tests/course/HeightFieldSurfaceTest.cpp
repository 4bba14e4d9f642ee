// Surface height and normal of a cell, and worked examples of the greedy
// merging of cells into runs. That runs tile any course is the course_open
// fuzz target's.

#include "course/CellType.h"
#include "course/HeightField.h"

#include <gtest/gtest.h>

#include <cmath>

static HeightCell Cell(std::int16_t type, int c0, int c1, int c2, int c3)
{
    return HeightCell{type, {std::int16_t(c0), std::int16_t(c1), std::int16_t(c2), std::int16_t(c3)}, 0};
}

TEST(HeightFieldSurface, HeightFollowsThreeCornersAndTheNormalPointsDownhill)
{
    CHeightField grid;
    grid.Create(4, 5);
    grid.SetCell(2, 3, Cell(Floor, 10, 14, 99, 2));
    EXPECT_DOUBLE_EQ(grid.GetHeightAt(2.25, 3.5), 7.0);  // corner[2] plays no part
    EXPECT_DOUBLE_EQ(grid.GetHeightAt(2.0, 3.0), 10.0);
    grid.SetCell(1, 1, Cell(Hole, 50, 60, 70, 80));
    EXPECT_DOUBLE_EQ(grid.GetHeightAt(1.7, 1.2), 0.0);
    const struct {
        HeightCell cell;
        double nx, ny, nz;
    } normals[] = {
        {Cell(Floor, 7, 7, 7, 7), 0.0, 0.0, 1.0},
        {Cell(Mud, 0, 1, 42, 0), -1.0 / std::sqrt(2.0), 0.0, 1.0 / std::sqrt(2.0)},
        {Cell(Floor, 3, 1, 9, 1), 2.0 / 3.0, 2.0 / 3.0, 1.0 / 3.0},
    };
    for (const auto& n : normals) {
        double nx, ny, nz;
        grid.SetCell(0, 0, n.cell), grid.GetNormal(0, 0, nx, ny, nz);
        EXPECT_TRUE(std::abs(nx - n.nx) + std::abs(ny - n.ny) + std::abs(nz - n.nz) < 1e-12) << nx << ny << nz;
    }
}

// Rows from y = 0 up, walked as the mesh builder walks them: a run on every
// unmarked cell that is not a hole, as x, y, width, height.
TEST(HeightFieldMerge, RunsGrowAlongTheRowThenByWholeRows)
{
    const HeightCell o = Cell(Floor, 0, 0, 0, 0), five = Cell(Floor, 5, 5, 5, 5), hole = Cell(Hole, 0, 0, 0, 0);
    const auto ramp = [](int x) { return Cell(Floor, x, x + 1, x + 1, x); };
    using Rows = std::vector<std::vector<HeightCell>>;
    const struct {
        Rows rows;
        std::vector<std::vector<int>> runs;
    } cases[] = {
        // A step, a continued slope, a steeper one, the same plane in another type.
        {{{o, five, ramp(5), ramp(6), Cell(Floor, 7, 9, 9, 7), Cell(Ice, 9, 11, 11, 9)}},
         {{0, 0, 1, 1}, {1, 0, 1, 1}, {2, 0, 2, 1}, {4, 0, 1, 1}, {5, 0, 1, 1}}},
        // One broken column stops the whole row, the last one too; a hole has no run.
        {{{o, o, o}, {o, o, o}, {o, o, five}, {hole, o, o}},
         {{0, 0, 3, 2}, {0, 2, 2, 1}, {2, 2, 1, 1}, {1, 3, 2, 1}}},
    };
    for (const auto& c : cases) {
        CHeightField grid;
        grid.Create(static_cast<int>(c.rows[0].size()), static_cast<int>(c.rows.size()));
        for (int y = 0; y < grid.GetHeight(); ++y)
            for (int x = 0; x < grid.GetWidth(); ++x)
                grid.SetCell(x, y, c.rows[y][x]);
        for (int pass = 0; pass < 2; ++pass) {  // the second finds every cell marked
            std::vector<std::vector<int>> runs;
            for (int y = 0; y < grid.GetHeight(); ++y)
                for (int x = 0; x < grid.GetWidth(); ++x)
                    if (!grid.GetCell(x, y).merged && grid.GetCell(x, y).type != Hole) {
                        int w = 0, h = 0;
                        grid.MergeRun(x, y, w, h);
                        runs.push_back({x, y, w, h});
                    }
            EXPECT_EQ(runs, pass == 0 ? c.runs : decltype(runs)());
        }
    }
}
