#pragma once

#include <gtest/gtest.h>

#include <functional>

#include <wx/string.h>

class wxMenuBar;

// Tests that open windows start the toolkit once per test program, when an X
// display is set; without one they skip. A toolkit assertion fails the test.
bool HaveDisplay();
#define BRASK_REQUIRE_DISPLAY()                   \
    do {                                          \
        if (!HaveDisplay())                       \
            GTEST_SKIP() << "needs an X display"; \
    } while (false)

// Runs the toolkit's pending events (paints, deferred calls, deletions) once,
// for a moment, or until the condition holds (its last value after a
// generous limit).
void PumpEventsOnce();
void PumpEvents();
bool PumpUntil(const std::function<bool()>& condition, int limitMs = 10000);

// A menu bar as text: each menu's label with its items' labels (shortcut
// after a tab), a separator as "-".
using MenuBarText = std::vector<std::pair<wxString, std::vector<wxString>>>;
MenuBarText ReadMenuBar(const wxMenuBar& bar);
