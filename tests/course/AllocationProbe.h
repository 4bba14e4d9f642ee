#pragma once

#include <cstddef>

// Watches every operator new of the test program while it lives: the largest
// request, and optionally a failure for every request above a limit, so that
// a test can show a loader allocates nothing big and survives bad_alloc.
class CAllocationProbe {
public:
    explicit CAllocationProbe(std::size_t failAbove = 0);  // 0: none fails
    ~CAllocationProbe();
    CAllocationProbe(const CAllocationProbe&) = delete;
    CAllocationProbe& operator=(const CAllocationProbe&) = delete;
    std::size_t Largest() const;
};
