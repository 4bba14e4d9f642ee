#pragma once

#include "platform/gl/Clock.h"

// The desktop's monotonic clock in milliseconds, truncated to 32 bits. It
// never jumps with changes of the wall-clock time.
class CSystemClock : public CClock {
public:
    uint32_t Milliseconds() override;

    // The one instance views use unless a test gives them another clock.
    static CSystemClock& Instance();

    // Keeps the low 32 bits of a millisecond count: what a 32-bit clock
    // would read after that many milliseconds.
    static uint32_t Truncate(uint64_t milliseconds);
};
