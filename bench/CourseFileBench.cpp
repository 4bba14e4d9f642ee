// Load and Store of a 2048 x 2048 course (about 42 MB) through the archive,
// each timed beside a plain copy of the same bytes so that the ratio holds
// even while the machine is busy with other work.
//
// Load and Store each produce tens of megabytes of new memory, and the first
// touch of every new page costs the kernel a fault and a page of zeros. The
// plain copy therefore copies into a new buffer as well; the copy into a
// buffer already in use is reported beside it as the bare memory speed.

#include "FigureReporter.h"

#include "course/HeightField.h"
#include "document/Archive.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSide = 2048;

// A course with varied values, so that nothing is special about the bytes.
const std::vector<std::uint8_t>& CourseBytes()
{
    static const std::vector<std::uint8_t> bytes = [] {
        CHeightField grid;
        grid.Create(kSide, kSide);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                HeightCell& cell = grid.GetCell(x, y);
                cell.type = static_cast<std::int16_t>(1 + (x ^ y) % 8);
                for (int c = 0; c < 4; ++c)
                    cell.corner[c] = static_cast<std::int16_t>((x * 7 + y * 13 + c) % 100);
            }
        CArchive ar;
        grid.Store(ar);
        return ar.Bytes();
    }();
    return bytes;
}

double Seconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

// Times of plain copies of the course's bytes, summed over the iterations.
class CCopyTimer {
public:
    CCopyTimer() : m_warm(CourseBytes().size(), 0) {}

    void Run()
    {
        const std::vector<std::uint8_t>& bytes = CourseBytes();
        auto start = Clock::now();
        std::unique_ptr<std::uint8_t[]> fresh(new std::uint8_t[bytes.size()]);
        std::memcpy(fresh.get(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(fresh.get());
        benchmark::ClobberMemory();
        fresh.reset();
        m_freshSeconds += Seconds(start, Clock::now());

        start = Clock::now();
        std::memcpy(m_warm.data(), bytes.data(), bytes.size());
        benchmark::ClobberMemory();
        m_warmSeconds += Seconds(start, Clock::now());
    }

    void Report(benchmark::State& state, double seconds) const
    {
        const double megabytes = CourseBytes().size() / 1e6 * state.iterations();
        state.counters["MB/s"] = megabytes / seconds;
        state.counters["MB/s plain copy into new memory"] = megabytes / m_freshSeconds;
        state.counters["x the time of the plain copy into new memory"] = seconds / m_freshSeconds;
        state.counters["x the time of a copy into memory in use"] = seconds / m_warmSeconds;
    }

private:
    std::vector<std::uint8_t> m_warm;
    double m_freshSeconds = 0;
    double m_warmSeconds = 0;
};

void BM_Load(benchmark::State& state)
{
    CCopyTimer copy;
    CHeightField grid;
    double seconds = 0;
    for (auto _ : state) {
        CArchive ar(CourseBytes());
        const auto start = Clock::now();
        grid.Load(ar);
        const double elapsed = Seconds(start, Clock::now());
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        copy.Run();
    }
    copy.Report(state, seconds);
}

void BM_Store(benchmark::State& state)
{
    CHeightField grid;
    CArchive in(CourseBytes());
    grid.Load(in);
    CCopyTimer copy;
    double seconds = 0;
    for (auto _ : state) {
        CArchive ar;
        const auto start = Clock::now();
        grid.Store(ar);
        benchmark::DoNotOptimize(ar.Bytes().data());
        const double elapsed = Seconds(start, Clock::now());
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        copy.Run();
    }
    copy.Report(state, seconds);
}

}  // namespace

BENCHMARK(BM_Load)->Name("Load 2048x2048 course")->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Store)->Name("Store 2048x2048 course")->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

BRASK_BENCHMARK_MAIN()
