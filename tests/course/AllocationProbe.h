#pragma once

#include <cstddef>

// Watches every operator new of the test program: how large the largest
// request was, and optionally makes requests above a limit fail, so that
// tests can prove a loader allocates nothing big and survives bad_alloc.
class CAllocationProbe {
public:
    // Starts watching; failAbove = 0 lets every request through.
    explicit CAllocationProbe(std::size_t failAbove = 0);
    ~CAllocationProbe();
    CAllocationProbe(const CAllocationProbe&) = delete;
    CAllocationProbe& operator=(const CAllocationProbe&) = delete;

    std::size_t Largest() const;
};
