#include "platform/gl/X11Backend.h"

#include <cstdlib>

void PreferX11Backend()
{
    // Not overwritten: a backend the user set is kept.
    setenv("GDK_BACKEND", "x11", 0);
}
