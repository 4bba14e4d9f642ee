#include "platform/SystemClock.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

uint32_t SteadyMilliseconds()
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

TEST(SystemClock, TruncateKeepsTheLow32Bits)
{
    struct Case {
        uint64_t milliseconds;
        uint32_t reading;
    };
    const Case cases[] = {
        {0, 0},
        {29, 29},
        {0xFFFFFFFFull, 0xFFFFFFFFu},
        {0x100000000ull, 0},
        {0x100000010ull, 0x10},
        {0xABCD00000042ull, 0x42},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CSystemClock::Truncate(c.milliseconds), c.reading) << c.milliseconds;
}

TEST(SystemClock, ReadsTheMonotonicClock)
{
    // Each reading lies between two readings of the monotonic clock taken
    // around it, by unsigned differences, so also across a wrap.
    for (int i = 0; i < 1000; ++i) {
        const uint32_t before = SteadyMilliseconds();
        const uint32_t reading = CSystemClock::Instance().Milliseconds();
        const uint32_t after = SteadyMilliseconds();
        ASSERT_LE(static_cast<uint32_t>(reading - before), static_cast<uint32_t>(after - before));
    }
}

} // namespace
