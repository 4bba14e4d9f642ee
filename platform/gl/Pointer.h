#pragma once

// The mouse pointer in absolute screen pixels (origin top left, y grows
// downwards).
class CPointer {
public:
    virtual ~CPointer() = default;

    // False when the position cannot be read; x and y are then unchanged.
    virtual bool GetPosition(int& x, int& y) = 0;

    // Moves the pointer to a screen point. False, with the pointer left
    // where it is, where the desktop does not let programs move it.
    virtual bool WarpTo(int x, int y) = 0;
};
