// Surface height and normal of a cell, and the greedy merging of cells that
// continue one another's slope into runs.

#include "course/CellType.h"
#include "course/HeightField.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

// One cell as written in a course table: type and corners 0 to 3.
HeightCell Cell(std::int16_t type, int c0, int c1, int c2, int c3)
{
    return HeightCell{type,
                      {static_cast<std::int16_t>(c0), static_cast<std::int16_t>(c1), static_cast<std::int16_t>(c2),
                       static_cast<std::int16_t>(c3)},
                      0};
}

HeightCell Flat(int height, std::int16_t type = Floor)
{
    return Cell(type, height, height, height, height);
}

// Rows listed from y = 0 up.
void MakeCourse(CHeightField& grid, const std::vector<std::vector<HeightCell>>& rows)
{
    grid.Create(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < grid.GetHeight(); ++y)
        for (int x = 0; x < grid.GetWidth(); ++x)
            grid.SetCell(x, y, rows[y][x]);
}

struct MergedRun {
    int x, y, width, height;
    bool operator==(const MergedRun& o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
};

std::ostream& operator<<(std::ostream& out, const MergedRun& r)
{
    return out << r.width << "x" << r.height << " at (" << r.x << "," << r.y << ")";
}

// The mesh builder's walk: rows from y = 0, x from 0, a run on every
// unmarked cell that is not a hole.
std::vector<MergedRun> MergeAll(CHeightField& grid)
{
    std::vector<MergedRun> runs;
    for (int y = 0; y < grid.GetHeight(); ++y)
        for (int x = 0; x < grid.GetWidth(); ++x) {
            const HeightCell& cell = grid.GetCell(x, y);
            if (cell.merged || cell.type == Hole)
                continue;
            MergedRun run{x, y, 0, 0};
            grid.MergeRun(x, y, run.width, run.height);
            runs.push_back(run);
        }
    return runs;
}

// q follows p: q's near corners a, b sit on p's far corners fa, fb, and both
// cells rise by the same steps from near to far.
bool Continues(const HeightCell& p, const HeightCell& q, int a, int b, int fa, int fb)
{
    const std::int16_t* pc = p.corner;
    const std::int16_t* qc = q.corner;
    return qc[a] == pc[fa] && qc[b] == pc[fb] && qc[fa] - qc[a] == pc[fa] - pc[a] && qc[fb] - qc[b] == pc[fb] - pc[b];
}

}  // namespace

TEST(HeightFieldSurface, HeightFollowsThePlaneOfThreeCorners)
{
    CHeightField grid;
    grid.Create(4, 5);
    grid.SetCell(2, 3, Cell(Floor, 10, 14, 99, 2));
    EXPECT_DOUBLE_EQ(grid.GetHeightAt(2.25, 3.5), 7.0);  // corner[2] plays no part
    EXPECT_DOUBLE_EQ(grid.GetHeightAt(2.0, 3.0), 10.0);  // an integer point is corner[0]
    grid.SetCell(1, 1, Cell(Hole, 50, 60, 70, 80));
    EXPECT_DOUBLE_EQ(grid.GetHeightAt(1.0, 1.0), 0.0);
    EXPECT_DOUBLE_EQ(grid.GetHeightAt(1.7, 1.2), 0.0);
}

TEST(HeightFieldSurface, NormalIsUnitAndPointsDownhill)
{
    CHeightField grid;
    grid.Create(2, 1);
    grid.SetCell(0, 0, Flat(7));
    grid.SetCell(1, 0, Cell(Mud, 0, 1, 42, 0));
    double nx, ny, nz;
    grid.GetNormal(0, 0, nx, ny, nz);
    EXPECT_DOUBLE_EQ(nx, 0.0);
    EXPECT_DOUBLE_EQ(ny, 0.0);
    EXPECT_DOUBLE_EQ(nz, 1.0);
    grid.GetNormal(1, 0, nx, ny, nz);
    EXPECT_DOUBLE_EQ(nx, -1.0 / std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(ny, 0.0);
    EXPECT_DOUBLE_EQ(nz, 1.0 / std::sqrt(2.0));
}

// Worked examples, each walked in the mesh builder's order.
TEST(HeightFieldMerge, RunsGrowAlongTheRowThenByWholeRows)
{
    using Rows = std::vector<std::vector<HeightCell>>;
    const HeightCell o = Flat(0);
    const auto ramp = [](int x) { return Cell(Floor, x, x + 1, x + 1, x); };
    const std::vector<HeightCell> rampRow = {ramp(0), ramp(1), ramp(2), ramp(3), ramp(4), ramp(5)};
    const struct {
        const char* name;
        Rows rows;
        std::vector<MergedRun> runs;
    } cases[] = {
        {"flat course, to both edges", Rows(3, std::vector<HeightCell>(5, o)), {{0, 0, 5, 3}}},
        {"ramp along its length", {rampRow, rampRow}, {{0, 0, 6, 2}}},
        {"a step, a continued slope, another type",
         {{Flat(1), Flat(2), ramp(0), ramp(1), Flat(3), Flat(3, Ice)}},
         {{0, 0, 1, 1}, {1, 0, 1, 1}, {2, 0, 2, 1}, {4, 0, 1, 1}, {5, 0, 1, 1}}},
        {"one broken column stops the whole row",
         {{o, o, o}, {o, o, o}, {o, Flat(5), o}, {o, o, o}},
         {{0, 0, 3, 2}, {0, 2, 1, 2}, {1, 2, 1, 1}, {2, 2, 1, 2}, {1, 3, 1, 1}}},
        {"an ice cell splits a flat course",
         {{Flat(2), Flat(2, Ice), Flat(2)}, {Flat(2), Flat(2), Flat(2)}},
         {{0, 0, 1, 2}, {1, 0, 1, 1}, {2, 0, 1, 2}, {1, 1, 1, 1}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CHeightField grid;
        MakeCourse(grid, c.rows);
        EXPECT_EQ(MergeAll(grid), c.runs);
        EXPECT_TRUE(MergeAll(grid).empty()) << "a second pass finds every cell marked";
    }
}

// Random courses made of a few planes, types and holes, with steps between
// them, so that runs of many shapes occur.
TEST(HeightFieldMerge, RunsTileEveryNonHoleCellOnceWithOneTypeAndEvenSteps)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> size(1, 7), pick(0, 5), slope(-2, 2), base(-3, 3), corner(0, 3);
    const std::int16_t types[] = {Floor, Floor, Ice, Hole, Start, 9};
    for (int trial = 0; trial < 2000; ++trial) {
        CHeightField grid;
        grid.Create(size(random), size(random));
        const int sx = slope(random), sy = slope(random), b = base(random);
        for (int y = 0; y < grid.GetHeight(); ++y)
            for (int x = 0; x < grid.GetWidth(); ++x) {
                const int z = b + sx * x + sy * y + (pick(random) == 0 ? base(random) : 0);
                const std::int16_t type = pick(random) < 3 ? types[0] : types[pick(random)];
                HeightCell cell = Cell(type, z, z + sx, z + sx + sy, z + sy);
                // Now and then one corner off the plane: the cell is bent.
                if (pick(random) == 0)
                    ++cell.corner[corner(random)];
                grid.SetCell(x, y, cell);
            }

        std::vector<int> covered(grid.GetWidth() * grid.GetHeight(), 0);
        for (const MergedRun& run : MergeAll(grid)) {
            ASSERT_GE(run.width, 1);
            ASSERT_GE(run.height, 1);
            ASSERT_LE(run.x + run.width, grid.GetWidth());
            ASSERT_LE(run.y + run.height, grid.GetHeight());
            const std::int16_t type = grid.GetCell(run.x, run.y).type;
            for (int y = run.y; y < run.y + run.height; ++y)
                for (int x = run.x; x < run.x + run.width; ++x) {
                    SCOPED_TRACE(::testing::Message() << "trial " << trial << " " << run << " at " << x << "," << y);
                    const HeightCell& c = grid.GetCell(x, y);
                    ++covered[x + y * grid.GetWidth()];
                    ASSERT_EQ(c.type, type);
                    // Neighbours in the run share their edge and rise by the
                    // same step, so the run draws as one quad.
                    if (x > run.x) {
                        ASSERT_TRUE(Continues(grid.GetCell(x - 1, y), c, 0, 3, 1, 2));
                    }
                    if (y > run.y) {
                        ASSERT_TRUE(Continues(grid.GetCell(x, y - 1), c, 0, 1, 3, 2));
                    }
                }
        }
        for (int y = 0; y < grid.GetHeight(); ++y)
            for (int x = 0; x < grid.GetWidth(); ++x)
                ASSERT_EQ(covered[x + y * grid.GetWidth()], grid.GetCell(x, y).type == Hole ? 0 : 1)
                    << "trial " << trial << " cell " << x << "," << y;
    }
}
