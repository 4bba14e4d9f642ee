#include "tests/support/WxTestEnvironment.h"

#include <wx/app.h>
#include <wx/init.h>
#include <wx/menu.h>

#include <chrono>
#include <thread>

namespace {

bool g_started = false;

class CWxTestEnvironment : public ::testing::Environment {
    void SetUp() override
    {
        static char name[] = "brask-test", *argv[] = {name, nullptr};
        static int argc = 1;
        if (std::getenv("DISPLAY") == nullptr || *std::getenv("DISPLAY") == '\0')
            return;
        wxApp::SetInstance(new wxApp);
        g_started = wxEntryStart(argc, argv) && wxTheApp->CallOnInit();
        wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                              const wxString& msg) { ADD_FAILURE_AT(file.c_str(), line) << cond << " " << msg; });
    }
    void TearDown() override
    {
        if (g_started)
            wxTheApp->OnExit(), wxEntryCleanup();
        g_started = false;
    }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new CWxTestEnvironment);

}  // namespace

bool HaveDisplay() { return g_started; }

void PumpEventsOnce()
{
    if (!g_started)
        return;
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
    wxTheApp->ProcessIdle();
}

void PumpEvents()
{
    for (int i = 0; i < 10; ++i)
        PumpEventsOnce(), std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

bool PumpUntil(const std::function<bool()>& condition, int limitMs)
{
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!condition() && std::chrono::steady_clock::now() < limit)
        PumpEventsOnce(), std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return condition();
}

MenuBarText ReadMenuBar(const wxMenuBar& bar)
{
    MenuBarText text;
    for (size_t m = 0; m < bar.GetMenuCount(); ++m) {
        text.emplace_back(bar.GetMenuLabel(m), std::vector<wxString>());
        for (const wxMenuItem* item : bar.GetMenu(m)->GetMenuItems())
            text.back().second.push_back(item->IsSeparator() ? wxString("-") : item->GetItemLabel());
    }
    return text;
}
