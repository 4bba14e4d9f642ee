#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Little-endian integers in sequence over a byte buffer, in one direction.
// Storing appends exactly the bytes of each value and nothing else; loading
// past the end throws CArchiveException(endOfFile).
//
// The operators are inline: a course is millions of 16-bit values, and a call
// per value would cost more than the work itself.
class CArchive {
public:
    // An archive for storing, collecting bytes into Bytes().
    CArchive();
    // An archive for loading the given bytes.
    explicit CArchive(std::vector<std::uint8_t> bytes);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    CArchive& operator<<(std::int32_t value)
    {
        const auto u = static_cast<std::uint32_t>(value);
        std::uint8_t* p = Grow(4);
        p[0] = static_cast<std::uint8_t>(u);
        p[1] = static_cast<std::uint8_t>(u >> 8);
        p[2] = static_cast<std::uint8_t>(u >> 16);
        p[3] = static_cast<std::uint8_t>(u >> 24);
        return *this;
    }

    CArchive& operator<<(std::int16_t value)
    {
        const auto u = static_cast<std::uint16_t>(value);
        std::uint8_t* p = Grow(2);
        p[0] = static_cast<std::uint8_t>(u);
        p[1] = static_cast<std::uint8_t>(u >> 8);
        return *this;
    }

    CArchive& operator>>(std::int32_t& value)
    {
        const std::uint8_t* p = Take(4);
        value = static_cast<std::int32_t>(std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 |
                                          std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24);
        return *this;
    }

    CArchive& operator>>(std::int16_t& value)
    {
        const std::uint8_t* p = Take(2);
        value = static_cast<std::int16_t>(std::uint16_t{p[0]} | std::uint16_t(p[1] << 8));
        return *this;
    }

    // Bytes not yet read (loading), so a loader can check a header against
    // the data before it allocates.
    std::size_t Remaining() const { return m_bytes.size() - m_pos; }

    // Everything stored so far (storing), or the data being read (loading).
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

    // Pre-sizes the output buffer when the caller knows how much it will write.
    void Reserve(std::size_t bytes) { m_bytes.reserve(bytes); }

private:
    // Appends n bytes and returns where they go.
    std::uint8_t* Grow(std::size_t n)
    {
        const std::size_t at = m_bytes.size();
        if (m_bytes.capacity() - at < n)
            GrowCapacity(n);
        // resize within capacity: no reallocation, the bytes are written next.
        m_bytes.resize(at + n);
        return m_bytes.data() + at;
    }

    // The next n unread bytes; throws when fewer remain.
    const std::uint8_t* Take(std::size_t n)
    {
        if (m_bytes.size() - m_pos < n)
            ThrowEndOfFile();
        const std::uint8_t* p = m_bytes.data() + m_pos;
        m_pos += n;
        return p;
    }

    // Cold paths, out of line.
    void GrowCapacity(std::size_t n);
    [[noreturn]] static void ThrowEndOfFile();

    std::vector<std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    bool m_storing;
};
