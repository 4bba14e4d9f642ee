#pragma once

#include "platform/gl/Pointer.h"

// The real pointer, read and moved through the toolkit. Moving it needs one
// of the program's windows on an X11 display; elsewhere (a Wayland session,
// no window yet) the move is skipped and reading still works.
class CScreenPointer : public CPointer {
public:
    bool GetPosition(int& x, int& y) override;
    bool WarpTo(int x, int y) override;

    static CScreenPointer& Instance();
};
