#pragma once

// The toolkit's OpenGL canvas binds through GLX, which needs an X11
// display: on a Wayland session the program then runs through XWayland.
// Asks the toolkit for its X11 backend unless the user chose a backend
// (GDK_BACKEND). Call at the very start of main, before the toolkit starts.
void PreferX11Backend();
