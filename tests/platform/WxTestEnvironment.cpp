#include "tests/platform/WxTestEnvironment.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/utils.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

bool g_toolkitStarted = false;

class CWxTestEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (display == nullptr || *display == '\0')
            return;
        static char name[] = "brask-test";
        static char* argv[] = {name, nullptr};
        static int argc = 1;
        wxApp::SetInstance(new wxApp);
        g_toolkitStarted = wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
    }

    void TearDown() override
    {
        if (!g_toolkitStarted)
            return;
        wxTheApp->OnExit();
        wxEntryCleanup();
        g_toolkitStarted = false;
    }
};

const ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new CWxTestEnvironment);

}  // namespace

bool HaveDisplay()
{
    return g_toolkitStarted;
}

void PumpEvents()
{
    for (int i = 0; i < 10; ++i) {
        wxTheApp->ProcessPendingEvents();
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}
