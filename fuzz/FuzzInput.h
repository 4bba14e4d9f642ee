#pragma once

#include <cstddef>
#include <cstdint>

// A fuzz input read as a stream of small little-endian values; past its end
// every read gives 0, so a target never checks lengths and a cut-short input
// is still a valid one.
class CFuzzInput {
public:
    CFuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool IsEmpty() const { return m_pos >= m_size; }
    std::size_t Remaining() const { return m_pos < m_size ? m_size - m_pos : 0; }
    const std::uint8_t* Current() const { return m_data + (m_pos < m_size ? m_pos : m_size); }
    void Skip(std::size_t bytes) { m_pos = bytes < Remaining() ? m_pos + bytes : m_size; }
    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::uint16_t U16()
    {
        const unsigned low = Byte();  // read first: the operands of | are not sequenced
        return static_cast<std::uint16_t>(low | Byte() << 8);
    }
    std::uint32_t U32()
    {
        const std::uint32_t low = U16();
        return low | std::uint32_t{U16()} << 16;
    }
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    // A value from lowest to highest inclusive, from one byte (two when the
    // range is wider than a byte).
    int IntInRange(int lowest, int highest);

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};
