#pragma once

#include <cstddef>

// Watches every operator new of the test program while it lives: the largest
// request, and a failure for each one above failAbove (0: none fails), so a
// test can show a loader allocates nothing big and survives bad_alloc.
struct CAllocationProbe {
    explicit CAllocationProbe(std::size_t failAbove = 0);
    ~CAllocationProbe();
    std::size_t Largest() const;
};
