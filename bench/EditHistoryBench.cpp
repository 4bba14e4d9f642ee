// One keypad + over the whole of a 4096 x 4096 course, the largest there is,
// through the editor's history as a key in the view goes: the time of the key
// and of its undo, the bytes the step keeps, and the resident memory with the
// course alone and with the step kept. A flat new course, and one whose
// corners run through every height, so that the one in 25 near the top is
// held at 99 and the changes differ from corner to corner.

#include "FigureReporter.h"

#include "course/HeightField.h"
#include "editor/core/EditHistory.h"
#include "editor/core/GridSelection.h"
#include "editor/core/KeyEdit.h"
#include "platform/keys/VirtualKey.h"

#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <fstream>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSide = 4096;
constexpr KeyMessage kKeypadPlus{VK_ADD, 1, 0x4E, false};

double ResidentMegabytes()
{
    malloc_trim(0);
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

void FillVaried(CHeightField& course)
{
    course.Create(kSide, kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            for (int k = 0; k < 4; ++k)
                course.GetCell(x, y).corner[k] = static_cast<std::int16_t>((x * 7 + y * 13 + k * 5) % 100);
}

double Milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

void KeypadPlusOverTheLargestCourse(benchmark::State& state)
{
    const bool varied = state.range(0) != 0;
    CHeightField course;
    CGridSelection selection;
    selection.OnPress({0, 0});
    selection.OnRelease({kCellSize * kSide - 1, kCellSize * kSide - 1});
    double keyMs = 0;
    double undoMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (varied)
            FillVaried(course);
        else
            course.Create(kSide, kSide);
        CEditHistory history;
        state.counters["resident MB, course alone"] = ResidentMegabytes();
        state.ResumeTiming();
        const Clock::time_point t0 = Clock::now();
        ApplyKeyToSelection(course, selection, kKeypadPlus, &history);
        const Clock::time_point t1 = Clock::now();
        state.PauseTiming();
        state.counters["resident MB, with the step"] = ResidentMegabytes();
        state.counters["step KB"] = static_cast<double>(history.GetMemoryUse()) / 1024.0;
        state.counters["undoable"] = history.CanUndo() ? 1 : 0;
        const Clock::time_point t2 = Clock::now();
        history.Undo(course);
        undoMs += Milliseconds(Clock::now() - t2);
        keyMs += Milliseconds(t1 - t0);
        state.ResumeTiming();
    }
    state.counters["ms per key"] = keyMs / static_cast<double>(state.iterations());
    state.counters["ms per undo"] = undoMs / static_cast<double>(state.iterations());
}
BENCHMARK(KeypadPlusOverTheLargestCourse)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BRASK_BENCHMARK_MAIN();
