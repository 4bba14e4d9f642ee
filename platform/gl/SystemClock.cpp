#include "platform/gl/SystemClock.h"

#include <chrono>

uint32_t CSystemClock::Milliseconds()
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count();
    return Truncate(static_cast<uint64_t>(ms));
}

CSystemClock& CSystemClock::Instance()
{
    static CSystemClock clock;
    return clock;
}

uint32_t CSystemClock::Truncate(uint64_t milliseconds)
{
    return static_cast<uint32_t>(milliseconds & 0xFFFFFFFFu);
}
