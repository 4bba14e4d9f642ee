#include "tests/platform/GLTestApp.h"

#include <wx/app.h>
#include <wx/init.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

bool g_started = false;

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE() << "toolkit assertion " << cond << " (" << msg << ") in " << func << " at " << file << ":"
                  << line;
}

class CGLTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display)
            return;
        static char name[] = "brask-gl-test";
        static char* argv[] = {name, nullptr};
        static int argc = 1;
        wxApp::SetInstance(new wxApp);
        g_started = wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
        wxSetAssertHandler(FailOnAssert);
    }

    void TearDown() override
    {
        if (!g_started)
            return;
        wxTheApp->OnExit();
        wxEntryCleanup();
        g_started = false;
    }
};

const ::testing::Environment* const g_environment = ::testing::AddGlobalTestEnvironment(new CGLTestEnvironment);

} // namespace

bool HaveGLDisplay()
{
    return g_started;
}

void PumpGLEvents()
{
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
}

bool PumpUntil(const std::function<bool()>& condition, int limitMs)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > limit)
            return condition();
        PumpGLEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}
