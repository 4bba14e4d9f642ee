#pragma once

#include <gtest/gtest.h>

#include <functional>

// Tests that open windows start the toolkit once per test program, and only
// when an X display is set; without one they skip. A toolkit assertion fails
// the running test.
bool HaveDisplay();

#define BRASK_REQUIRE_DISPLAY()                          \
    do {                                                 \
        if (!HaveDisplay())                              \
            GTEST_SKIP() << "needs an X display";        \
    } while (false)

// Runs the toolkit's pending events (paints, deferred calls) for a moment.
void PumpEvents();

// Runs the toolkit's pending events once over: paints, deferred calls,
// pending deletions.
void PumpEventsOnce();

// Pumps events until the condition holds or the (generous) limit passes;
// the condition's last value.
bool PumpUntil(const std::function<bool()>& condition, int limitMs = 10000);
