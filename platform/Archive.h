#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Little-endian integers in sequence over a byte buffer, in one direction.
// Storing appends exactly the bytes of each value and nothing else; loading
// past the end throws CArchiveException(endOfFile).
class CArchive {
public:
    // An archive for storing, collecting bytes into Bytes().
    CArchive();
    // An archive for loading the given bytes.
    explicit CArchive(std::vector<std::uint8_t> bytes);

    bool IsStoring() const { return m_storing; }
    bool IsLoading() const { return !m_storing; }

    CArchive& operator<<(std::int32_t value);
    CArchive& operator<<(std::int16_t value);
    CArchive& operator>>(std::int32_t& value);
    CArchive& operator>>(std::int16_t& value);

    // Bytes not yet read (loading), so a loader can check a header against
    // the data before it allocates.
    std::size_t Remaining() const { return m_bytes.size() - m_pos; }

    // Everything stored so far (storing), or the data being read (loading).
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

    // Pre-sizes the output buffer when the caller knows how much it will write.
    void Reserve(std::size_t bytes) { m_bytes.reserve(bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    bool m_storing;
};
