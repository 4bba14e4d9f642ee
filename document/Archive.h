#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
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
        const std::uint8_t le[4] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                                    static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
        // One copy, not four byte stores: a byte store may alias our own
        // members and would make the compiler reload them after each byte.
        std::memcpy(Grow(4), le, 4);
        return *this;
    }

    CArchive& operator<<(std::int16_t value)
    {
        const auto u = static_cast<std::uint16_t>(value);
        const std::uint8_t le[2] = {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8)};
        std::memcpy(Grow(2), le, 2);
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
    // the data before it allocates. Always 0 when storing.
    std::size_t Remaining() const { return m_storing ? 0 : m_bytes.size() - m_pos; }

    // Everything stored so far (storing), or the data being read (loading).
    const std::vector<std::uint8_t>& Bytes() const
    {
        if (m_storing)
            m_bytes.resize(m_pos);  // drop the room made ahead of the writes
        return m_bytes;
    }

    // Hands over everything stored so far without copying it (storing
    // only); the archive is left empty.
    std::vector<std::uint8_t> ReleaseBytes()
    {
        m_bytes.resize(m_pos);
        m_pos = 0;
        std::vector<std::uint8_t> bytes;
        bytes.swap(m_bytes);
        return bytes;
    }

    // Makes room for this many more bytes when the caller knows how much it
    // will write, so that storing never reallocates.
    void Reserve(std::size_t bytes)
    {
        if (m_bytes.size() - m_pos < bytes)
            m_bytes.resize(m_pos + bytes);
    }

private:
    // Appends n bytes and returns where they go. While storing, the buffer is
    // kept larger than what was written (m_pos is the end), so an append is a
    // compare and plain stores.
    std::uint8_t* Grow(std::size_t n)
    {
        if (m_bytes.size() - m_pos < n)
            GrowBuffer(n);
        std::uint8_t* p = m_bytes.data() + m_pos;
        m_pos += n;
        return p;
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
    void GrowBuffer(std::size_t n);
    [[noreturn]] static void ThrowEndOfFile();

    // Mutable so that Bytes() can trim the room made ahead.
    mutable std::vector<std::uint8_t> m_bytes;
    std::size_t m_pos = 0;  // next byte to read, or end of what was written
    bool m_storing;
};
