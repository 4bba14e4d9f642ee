#pragma once

#include <cstdint>

// A millisecond clock. Readings are unsigned 32-bit and wrap about every
// 49.7 days, so callers only ever take unsigned differences of two readings.
class CClock {
public:
    virtual ~CClock() = default;
    virtual uint32_t Milliseconds() = 0;
};
