// The editor's grid view: one repaint of an 800 x 600 view scrolled into
// a 2000 x 2000 course, timed beside the same repaint over a 10 x 10 course
// so that the ratio holds while the machine is busy with other work; and
// one keypad + over a selection of the whole of a 1000 x 1000 course.
// Needs a display (scripts/bench.sh provides one).

#include "FigureReporter.h"

#include "editor/app/BraskitDoc.h"
#include "editor/app/BraskitView.h"
#include "editor/core/GridSelection.h"
#include "editor/core/KeyEdit.h"
#include "platform/keys/VirtualKey.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/init.h>
#include <wx/region.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;
constexpr unsigned kKeypadPlusKeycode = 86;  // X keycode of keypad + (evdev)

// Every cell differs from its neighbours: colours, types and labels vary.
void FillVaried(CHeightField& course, int width, int height)
{
    course.Create(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            HeightCell& cell = course.GetCell(x, y);
            cell.type = static_cast<std::int16_t>(1 + (x * 3 + y) % 8);
            for (int k = 0; k < 4; ++k)
                cell.corner[k] = static_cast<std::int16_t>((x * 7 + y * 13 + k * 5) % 100);
        }
    }
}

// A view in its own window, as the editor has it.
class CViewWindow {
public:
    CViewWindow(int width, int height, int scrollColumn, int scrollRow)
    {
        m_frame = new wxFrame(nullptr, wxID_ANY, "bench");
        m_view = new CBraskitView(m_frame, &m_doc);
        m_frame->SetClientSize(kViewWidth, kViewHeight);
        FillVaried(*m_doc.GetHeightField(), width, height);
        m_frame->Show();
        m_view->OnInitialUpdate();
        m_view->Scroll(scrollColumn, scrollRow);
        Settle();
    }

    ~CViewWindow()
    {
        m_frame->Destroy();
        Settle();
    }

    // Invalidates the whole view and waits until it is painted.
    void Repaint()
    {
        m_view->Refresh(true);
        m_view->Update();
    }

    // The same painting into an off-screen bitmap of the view's size.
    void PaintOffscreen(wxBitmap& bitmap)
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxWHITE_BRUSH);
        dc.Clear();
        const wxPoint origin = m_view->CalcUnscrolledPosition(wxPoint(0, 0));
        dc.SetDeviceOrigin(-origin.x, -origin.y);
        m_view->PaintArea(dc, wxRegion(origin.x, origin.y, kViewWidth, kViewHeight));
    }

    CBraskitDoc& Document() { return m_doc; }
    CBraskitView* View() { return m_view; }

    static void Settle()
    {
        for (int i = 0; i < 5; ++i) {
            wxTheApp->ProcessPendingEvents();
            wxTheApp->Yield(true);
            wxTheApp->ProcessIdle();
        }
    }

private:
    CBraskitDoc m_doc;
    wxFrame* m_frame = nullptr;
    CBraskitView* m_view = nullptr;
};

template <typename Large, typename Small>
void TimeSideBySide(benchmark::State& state, Large large, Small small)
{
    Clock::duration largeTime{};
    Clock::duration smallTime{};
    for (auto _ : state) {
        auto t0 = Clock::now();
        large();
        auto t1 = Clock::now();
        small();
        auto t2 = Clock::now();
        largeTime += t1 - t0;
        smallTime += t2 - t1;
    }
    const double n = static_cast<double>(state.iterations());
    const double largeMs = std::chrono::duration<double, std::milli>(largeTime).count() / n;
    const double smallMs = std::chrono::duration<double, std::milli>(smallTime).count() / n;
    state.counters["ms (2000 x 2000)"] = largeMs;
    state.counters["ms (smaller course)"] = smallMs;
    state.counters["x (2000 x 2000 / smaller)"] = largeMs / smallMs;
}

// Through the toolkit: invalidate, then the paint the window system asks for.
void RepaintWindowLargeAgainstSmall(benchmark::State& state)
{
    CViewWindow large(2000, 2000, 1000, 1000);
    CViewWindow small(10, 10, 0, 0);
    TimeSideBySide(state, [&] { large.Repaint(); }, [&] { small.Repaint(); });
}
BENCHMARK(RepaintWindowLargeAgainstSmall)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The painting alone, into an 800 x 600 bitmap.
void PaintOffscreenLargeAgainstSmall(benchmark::State& state)
{
    CViewWindow large(2000, 2000, 1000, 1000);
    CViewWindow small(10, 10, 0, 0);
    wxBitmap bitmap(kViewWidth, kViewHeight, 24);
    TimeSideBySide(state, [&] { large.PaintOffscreen(bitmap); }, [&] { small.PaintOffscreen(bitmap); });
}
BENCHMARK(PaintOffscreenLargeAgainstSmall)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The painting alone against a course that just fills the view (17 x 13
// cells shown either way): what is left of the difference above is the
// number of cells in sight, not the size of the course.
void PaintOffscreenLargeAgainstViewSized(benchmark::State& state)
{
    CViewWindow large(2000, 2000, 1000, 1000);
    CViewWindow filling(kViewWidth / 50 + 1, kViewHeight / 50 + 1, 0, 0);
    wxBitmap bitmap(kViewWidth, kViewHeight, 24);
    TimeSideBySide(state, [&] { large.PaintOffscreen(bitmap); }, [&] { filling.PaintOffscreen(bitmap); });
}
BENCHMARK(PaintOffscreenLargeAgainstViewSized)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// One keypad + on the whole of a 1000 x 1000 course selected, as the view
// handles it: four million corners changed, then the full repaint.
void KeypadPlusOverWholeCourse(benchmark::State& state)
{
    CViewWindow window(1000, 1000, 0, 0);
    wxMouseEvent down(wxEVT_LEFT_DOWN);
    window.View()->OnLButtonDown(down);
    wxMouseEvent up(wxEVT_LEFT_UP);
    up.m_x = 1000 * 50 - 1;
    up.m_y = 1000 * 50 - 1;
    window.View()->OnLButtonUp(up);  // unscrolled: the release lands on the last corner

    wxKeyEvent press(wxEVT_KEY_DOWN);
    press.m_rawFlags = kKeypadPlusKeycode;
    press.m_keyCode = WXK_NUMPAD_ADD;
    wxKeyEvent release(wxEVT_KEY_UP);
    release.m_rawFlags = kKeypadPlusKeycode;
    release.m_keyCode = WXK_NUMPAD_ADD;
    CHeightField& course = *window.Document().GetHeightField();
    for (auto _ : state) {
        state.PauseTiming();
        // Heights back below the top so that every press changes them all.
        FillVaried(course, 1000, 1000);
        state.ResumeTiming();
        window.View()->OnKeyDown(press);
        window.View()->OnKeyUp(release);
    }
}
BENCHMARK(KeypadPlusOverWholeCourse)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::printf("editor_bench: skipped, needs an X display\n");
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    wxApp::SetInstance(new wxApp);
    int wxArgc = 1;
    char* wxArgv[] = {argv[0], nullptr};
    if (!wxEntryStart(wxArgc, wxArgv) || !wxTheApp->CallOnInit()) {
        std::printf("editor_bench: the toolkit did not start\n");
        return 1;
    }
    CFigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return 0;
}
