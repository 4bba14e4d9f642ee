#include "fuzz/FuzzInput.h"

int CFuzzInput::IntInRange(int lowest, int highest)
{
    // In 64 bits: highest - lowest may not fit an int.
    const std::int64_t span = static_cast<std::int64_t>(highest) - lowest + 1;
    return span <= 1 ? lowest : static_cast<int>(lowest + (span <= 256 ? Byte() : U16()) % span);
}
