#pragma once

#include <cstddef>
#include <cstdint>

// Reads a fuzz input as a stream of small values. Past the end every read
// gives 0, so a target never has to check lengths and a cut-short input is
// still a valid one. Builds with any compiler, so the same target source
// serves the fuzzer and the plain replayer.
class CFuzzInput {
public:
    CFuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool IsEmpty() const { return m_pos >= m_size; }
    std::size_t Remaining() const { return m_pos < m_size ? m_size - m_pos : 0; }
    const std::uint8_t* Current() const { return m_data + (m_pos < m_size ? m_pos : m_size); }
    // Moves past bytes that the caller read itself through Current().
    void Skip(std::size_t bytes);

    std::uint8_t Byte();
    // Little-endian, like the course file.
    std::uint16_t U16();
    std::uint32_t U32();
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
