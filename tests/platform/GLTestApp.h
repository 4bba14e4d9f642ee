#pragma once

#include <gtest/gtest.h>

#include <functional>

// OpenGL window tests start the toolkit once per test program, only when
// an X display is set; without one they skip. A toolkit assertion fails
// the running test.
bool HaveGLDisplay();

#define BRASK_GL_REQUIRE_DISPLAY()                       \
    do {                                                 \
        if (!HaveGLDisplay())                            \
            GTEST_SKIP() << "needs an X display";        \
    } while (false)

// Runs the toolkit's pending events once over: paints, deferred calls,
// pending deletions.
void PumpGLEvents();

// Pumps events until the condition holds or the (generous) limit passes;
// the condition's last value.
bool PumpUntil(const std::function<bool()>& condition, int limitMs = 10000);
