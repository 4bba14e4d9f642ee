#include "fuzz/FuzzInput.h"

void CFuzzInput::Skip(std::size_t bytes) { m_pos = bytes < Remaining() ? m_pos + bytes : m_size; }

std::uint8_t CFuzzInput::Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

std::uint16_t CFuzzInput::U16()
{
    const std::uint16_t low = Byte();
    return static_cast<std::uint16_t>(low | Byte() << 8);
}

std::uint32_t CFuzzInput::U32()
{
    const std::uint32_t low = U16();
    return low | std::uint32_t{U16()} << 16;
}

int CFuzzInput::IntInRange(int lowest, int highest)
{
    // In 64 bits: highest - lowest may not fit an int.
    const std::int64_t span = static_cast<std::int64_t>(highest) - lowest + 1;
    if (span <= 1)
        return lowest;
    return static_cast<int>(lowest + (span <= 256 ? Byte() : U16()) % span);
}
