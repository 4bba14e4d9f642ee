// The course list of a 512 x 512 varied course in an offscreen software
// context: the time to record it (once per loaded course) and the time to
// replay it under a chase-camera projection (every frame).

#include "FigureReporter.h"
#include "VariedCourse.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "game/mesh/CourseMesh.h"

#include <GL/osmesa.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr int kSide = 512;
constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;

enum Roughness { kSmoothBlocks, kRoughBlocks };

class COffscreen {
public:
    COffscreen() : m_pixels(kViewWidth * kViewHeight * 4)
    {
        m_context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
        m_current = m_context != nullptr &&
                    OSMesaMakeCurrent(m_context, m_pixels.data(), GL_UNSIGNED_BYTE, kViewWidth, kViewHeight);
    }
    bool IsCurrent() const { return m_current; }

private:
    std::vector<std::uint8_t> m_pixels;
    OSMesaContext m_context = nullptr;
    bool m_current = false;
};

COffscreen& Context()
{
    static COffscreen* const context = new COffscreen();
    return *context;
}

// What the course list holds: one quad per run, one wall per edge whose two
// sides differ (the border counting as height 0).
void CountGeometry(CHeightField& grid, benchmark::State& state)
{
    std::int64_t tops = 0, walls = 0;
    grid.ClearMergeMarks();
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const HeightCell& c = grid.GetCell(x, y);
            if (!c.merged && c.type != Hole) {
                int w = 0, h = 0;
                grid.MergeRun(x, y, w, h);
                ++tops;
            }
            const HeightCell* east = x + 1 < kSide ? &grid.GetCell(x + 1, y) : nullptr;
            const HeightCell* north = y + 1 < kSide ? &grid.GetCell(x, y + 1) : nullptr;
            walls += (x == 0) && (c.corner[0] != 0 || c.corner[3] != 0);
            walls += (y == 0) && (c.corner[0] != 0 || c.corner[1] != 0);
            walls += east ? (c.corner[1] != east->corner[0] || c.corner[2] != east->corner[3])
                          : (c.corner[1] != 0 || c.corner[2] != 0);
            walls += north ? (c.corner[3] != north->corner[0] || c.corner[2] != north->corner[1])
                           : (c.corner[3] != 0 || c.corner[2] != 0);
        }
    state.counters["top quads"] = static_cast<double>(tops);
    state.counters["walls"] = static_cast<double>(walls);
}

void BM_BuildCourseList(benchmark::State& state, Roughness roughness)
{
    if (!Context().IsCurrent()) {
        state.SkipWithError("no offscreen GL context");
        return;
    }
    CHeightField grid;
    MakeVariedCourse(grid, kSide, roughness == kRoughBlocks);
    for (auto _ : state) {
        const GLuint list = CCourseMesh::BuildCourseList(grid);
        glFinish();
        state.PauseTiming();
        glDeleteLists(list, 1);
        state.ResumeTiming();
    }
    CountGeometry(grid, state);
}

// The game's projection and chase camera over the middle of the course.
void SetChaseView(double ballX, double ballY, double ballZ)
{
    glViewport(0, 0, kViewWidth, kViewHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double nearPlane = 0.1, farPlane = 25.0;
    const double top = nearPlane * std::tan(15.0 * M_PI / 180.0);
    const double aspect = static_cast<double>(kViewWidth) / kViewHeight;
    glFrustum(-top * aspect, top * aspect, -top, top, nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // Eye at (-7, -7, 0.25 z + 5) from the ball, looking at (0, 0, 0.25 z), z up.
    glRotated(-90.0 + std::atan2(5.0, 7.0 * std::sqrt(2.0)) * 180.0 / M_PI, 1, 0, 0);
    glRotated(45.0, 0, 0, 1);
    glTranslated(-(ballX - 7), -(ballY - 7), -(0.25 * ballZ + 5));
    glScaled(1, 1, 0.2);
}

void BM_DrawCourseList(benchmark::State& state, Roughness roughness)
{
    if (!Context().IsCurrent()) {
        state.SkipWithError("no offscreen GL context");
        return;
    }
    CHeightField grid;
    MakeVariedCourse(grid, kSide, roughness == kRoughBlocks);
    const GLuint list = CCourseMesh::BuildCourseList(grid);
    glEnable(GL_DEPTH_TEST);
    SetChaseView(kSide / 2 + 0.5, kSide / 2 + 0.5, grid.GetHeightAt(kSide / 2 + 0.5, kSide / 2 + 0.5));
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glCallList(list);
        glFinish();
    }
    glDeleteLists(list, 1);
}

}  // namespace

BENCHMARK_CAPTURE(BM_BuildCourseList, smooth, kSmoothBlocks)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_BuildCourseList, rough, kRoughBlocks)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_DrawCourseList, smooth, kSmoothBlocks)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(BM_DrawCourseList, rough, kRoughBlocks)->Unit(benchmark::kMillisecond)->MinTime(2.0);

BRASK_BENCHMARK_MAIN();
