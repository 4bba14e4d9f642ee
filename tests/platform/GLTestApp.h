#pragma once

#include "tests/platform/WxTestEnvironment.h"

// The names the OpenGL window tests use for the shared toolkit environment.
inline bool HaveGLDisplay()
{
    return HaveDisplay();
}

#define BRASK_GL_REQUIRE_DISPLAY() BRASK_REQUIRE_DISPLAY()

inline void PumpGLEvents()
{
    PumpEventsOnce();
}
