#include "document/Archive.h"

#include "document/ArchiveException.h"

#include <utility>

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)), m_storing(false) {}

void CArchive::GrowBuffer(std::size_t n)
{
    // Doubling keeps appends amortised constant when the caller did not Reserve.
    const std::size_t needed = m_pos + n;
    std::size_t size = m_bytes.size() < 64 ? 64 : m_bytes.size();
    while (size < needed)
        size *= 2;
    m_bytes.resize(size);
}

void CArchive::ThrowEndOfFile()
{
    throw CArchiveException(CArchiveException::endOfFile, "it ends before its last cell");
}
