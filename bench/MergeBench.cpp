// The full merge pass of the course mesh builder over 1024 x 1024 courses:
// every unmarked cell that is not a hole, rows from y = 0 and x from 0,
// starts a run.

#include "FigureReporter.h"

#include "course/CellType.h"
#include "course/HeightField.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSide = 1024;

enum Shape { kFlat, kRamp, kRandom };

void MakeCourse(CHeightField& grid, Shape shape)
{
    grid.Create(kSide, kSide);
    std::mt19937 random(1);
    std::uniform_int_distribution<int> height(0, 9), type(1, 8);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            HeightCell& cell = grid.GetCell(x, y);
            if (shape == kRamp) {
                // Rising by one a cell along x: one slope over the whole course.
                const auto low = static_cast<std::int16_t>(x), high = static_cast<std::int16_t>(x + 1);
                cell = HeightCell{Floor, {low, high, high, low}, 0};
            } else if (shape == kRandom) {
                const auto z = static_cast<std::int16_t>(height(random));
                cell = HeightCell{static_cast<std::int16_t>(type(random)), {z, z, z, z}, 0};
            }
        }
}

void BM_MergePass(benchmark::State& state, Shape shape)
{
    CHeightField grid;
    MakeCourse(grid, shape);
    double seconds = 0;
    std::int64_t runs = 0;
    for (auto _ : state) {
        grid.ClearMergeMarks();
        const auto start = Clock::now();
        std::int64_t passRuns = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const HeightCell& cell = grid.GetCell(x, y);
                if (cell.merged || cell.type == Hole)
                    continue;
                int w = 0, h = 0;
                grid.MergeRun(x, y, w, h);
                ++passRuns;
            }
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        runs = passRuns;
    }
    const double cells = static_cast<double>(kSide) * kSide;
    state.counters["cells/s"] = cells * state.iterations() / seconds;
    state.counters["runs/cell"] = runs / cells;
}

}  // namespace

BENCHMARK_CAPTURE(BM_MergePass, flat, kFlat)->Name("Merge pass 1024x1024 flat")->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MergePass, ramp, kRamp)->Name("Merge pass 1024x1024 ramp")->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MergePass, random, kRandom)->Name("Merge pass 1024x1024 random")->UseManualTime()
    ->Unit(benchmark::kMillisecond);

BRASK_BENCHMARK_MAIN()
