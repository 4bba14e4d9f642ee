// Surface height and normal of a cell, and worked examples of the greedy
// merging of cells into runs. That runs tile any course is the course_open
// fuzz target's.

#include "course/CellType.h"
#include "course/HeightField.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

HeightCell Cell(std::int16_t type, int c0, int c1, int c2, int c3)
{
    return HeightCell{type, {std::int16_t(c0), std::int16_t(c1), std::int16_t(c2), std::int16_t(c3)}, 0};
}

HeightCell Flat(int height, std::int16_t type = Floor)
{
    return Cell(type, height, height, height, height);
}

using Rows = std::vector<std::vector<HeightCell>>;  // from y = 0 up
using Runs = std::vector<std::vector<int>>;         // x, y, width, height

// The mesh builder's walk: rows from y = 0, a run on every unmarked cell
// that is not a hole.
Runs MergeAll(CHeightField& grid)
{
    Runs runs;
    for (int y = 0; y < grid.GetHeight(); ++y)
        for (int x = 0; x < grid.GetWidth(); ++x) {
            if (grid.GetCell(x, y).merged || grid.GetCell(x, y).type == Hole)
                continue;
            int w = 0, h = 0;
            grid.MergeRun(x, y, w, h);
            runs.push_back({x, y, w, h});
        }
    return runs;
}

}  // namespace

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
        {Flat(7), 0.0, 0.0, 1.0},
        {Cell(Mud, 0, 1, 42, 0), -1.0 / std::sqrt(2.0), 0.0, 1.0 / std::sqrt(2.0)},
        {Cell(Floor, 3, 1, 9, 1), 2.0 / 3.0, 2.0 / 3.0, 1.0 / 3.0},
    };
    for (const auto& n : normals) {
        grid.SetCell(0, 0, n.cell);
        double nx, ny, nz;
        grid.GetNormal(0, 0, nx, ny, nz);
        EXPECT_DOUBLE_EQ(nx, n.nx);
        EXPECT_DOUBLE_EQ(ny, n.ny);
        EXPECT_DOUBLE_EQ(nz, n.nz);
    }
}

TEST(HeightFieldMerge, RunsGrowAlongTheRowThenByWholeRows)
{
    const HeightCell o = Flat(0);
    const auto ramp = [](int x) { return Cell(Floor, x, x + 1, x + 1, x); };
    const std::vector<HeightCell> rampRow = {ramp(0), ramp(1), ramp(2), ramp(3)};
    const struct {
        const char* name;
        Rows rows;
        Runs runs;
    } cases[] = {
        {"flat course, to both edges", Rows(3, std::vector<HeightCell>(5, o)), {{0, 0, 5, 3}}},
        {"ramp along its length", {rampRow, rampRow}, {{0, 0, 4, 2}}},
        {"a step, a continued slope, another slope, another type",
         {{Flat(1), Flat(2), ramp(0), ramp(1), Cell(Floor, 2, 4, 4, 2), Flat(4), Flat(4, Ice)}},
         {{0, 0, 1, 1}, {1, 0, 1, 1}, {2, 0, 2, 1}, {4, 0, 1, 1}, {5, 0, 1, 1}, {6, 0, 1, 1}}},
        {"one broken column stops the whole row, the last one too",
         {{o, o, o}, {o, o, o}, {o, o, Flat(5)}, {o, o, o}},
         {{0, 0, 3, 2}, {0, 2, 2, 2}, {2, 2, 1, 1}, {2, 3, 1, 1}}},
        {"a hole splits a flat course and has no run",
         {{Flat(2), Flat(2, Hole), Flat(2)}, {Flat(2), Flat(2), Flat(2)}},
         {{0, 0, 1, 2}, {2, 0, 1, 2}, {1, 1, 1, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CHeightField grid;
        grid.Create(static_cast<int>(c.rows[0].size()), static_cast<int>(c.rows.size()));
        for (int y = 0; y < grid.GetHeight(); ++y)
            for (int x = 0; x < grid.GetWidth(); ++x)
                grid.SetCell(x, y, c.rows[y][x]);
        EXPECT_EQ(MergeAll(grid), c.runs);
        EXPECT_TRUE(MergeAll(grid).empty()) << "a second pass finds every cell marked";
    }
}
