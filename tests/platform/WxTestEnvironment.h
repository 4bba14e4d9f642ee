#pragma once

#include <gtest/gtest.h>

// Tests that open windows start the toolkit once per test program, and only
// when an X display is set; without one they skip.
bool HaveDisplay();

#define BRASK_REQUIRE_DISPLAY()                          \
    do {                                                 \
        if (!HaveDisplay())                              \
            GTEST_SKIP() << "needs an X display";        \
    } while (false)

// Runs the toolkit's pending events (paints, deferred calls) for a moment.
void PumpEvents();
