#include "course/HeightField.h"

#include "course/CellType.h"
#include "document/Archive.h"
#include "document/ArchiveException.h"

#include <cstddef>
#include <new>
#include <string>
#include <utility>

namespace {

// Bytes of the header (width and height) and of one cell record in the file.
constexpr std::int64_t kHeaderBytes = 8;
constexpr std::int64_t kRecordBytes = 10;

// Storage for cells without initialising them, or null when memory is short.
std::unique_ptr<HeightCell[]> AllocateCells(std::int64_t count)
{
    return std::unique_ptr<HeightCell[]>(new (std::nothrow) HeightCell[static_cast<std::size_t>(count)]);
}

std::string SizeText(std::int32_t width, std::int32_t height)
{
    return std::to_string(width) + " x " + std::to_string(height);
}

}  // namespace

CHeightField::CHeightField() = default;

CHeightField::~CHeightField() = default;

void CHeightField::Create(int width, int height)
{
    m_cells.reset();
    m_width = 0;
    m_height = 0;
    // Sizes the grid could never hold leave it empty, like a failed allocation.
    if (width < 1 || height < 1)
        return;
    const std::int64_t count = static_cast<std::int64_t>(width) * height;
    if (count > kMaxCells)
        return;
    std::unique_ptr<HeightCell[]> cells = AllocateCells(count);
    if (!cells)
        return;
    const HeightCell blank{Floor, {0, 0, 0, 0}, 0};
    for (std::int64_t i = 0; i < count; ++i)
        cells[i] = blank;
    m_cells = std::move(cells);
    m_width = width;
    m_height = height;
}

bool CHeightField::Load(CArchive& ar)
{
    if (!ar.IsLoading())
        return false;
    if (ar.Remaining() < static_cast<std::size_t>(kHeaderBytes))
        throw CArchiveException(CArchiveException::endOfFile, "it is too short to be a course file");

    std::int32_t width = 0;
    std::int32_t height = 0;
    ar >> width >> height;

    // Every check runs on the header alone, before anything is allocated:
    // a few bytes of file must never make us reserve gigabytes.
    if (width < 1 || height < 1)
        throw CArchiveException(CArchiveException::badHeader,
                                "its size, " + SizeText(width, height) + " cells, is impossible");
    // Both factors are below 2^31, so the product fits in 64 bits.
    const std::int64_t count = static_cast<std::int64_t>(width) * height;
    if (count > kMaxCells)
        throw CArchiveException(CArchiveException::tooLarge,
                                "it is " + SizeText(width, height) + " cells, more than this program can hold");
    // count <= kMaxCells, so the byte size cannot overflow.
    if (static_cast<std::uint64_t>(count * kRecordBytes) > ar.Remaining())
        throw CArchiveException(CArchiveException::endOfFile, "it ends before its last cell");

    // Read aside; this grid changes only once the whole course is in hand.
    CHeightField fresh;
    fresh.m_cells = AllocateCells(count);
    if (!fresh.m_cells)
        throw CArchiveException(CArchiveException::tooLarge,
                                "there is not enough memory for its " + SizeText(width, height) + " cells");
    fresh.m_width = width;
    fresh.m_height = height;

    HeightCell* cell = fresh.m_cells.get();
    for (std::int64_t i = 0; i < count; ++i, ++cell) {
        ar >> cell->type >> cell->corner[0] >> cell->corner[1] >> cell->corner[2] >> cell->corner[3];
        cell->merged = 0;
    }
    // Bytes after the last cell are left unread.
    Swap(fresh);
    return true;
}

bool CHeightField::Store(CArchive& ar)
{
    if (!m_cells || m_width <= 0 || m_height <= 0) {
        m_width = 0;
        m_height = 0;
        return false;
    }
    const std::int64_t count = static_cast<std::int64_t>(m_width) * m_height;
    ar.Reserve(static_cast<std::size_t>(kHeaderBytes + count * kRecordBytes));
    ar << static_cast<std::int32_t>(m_width) << static_cast<std::int32_t>(m_height);
    // Row after row, x within a row: the order of the cells in memory.
    const HeightCell* cell = m_cells.get();
    for (std::int64_t i = 0; i < count; ++i, ++cell)
        ar << cell->type << cell->corner[0] << cell->corner[1] << cell->corner[2] << cell->corner[3];
    return true;
}

void CHeightField::StoreForSave(CArchive& ar)
{
    if (!Store(ar))
        throw CArchiveException(CArchiveException::nothingToStore,
                                "the course has no cells, and a course file needs at least one");
}

void CHeightField::Swap(CHeightField& other) noexcept
{
    std::swap(m_width, other.m_width);
    std::swap(m_height, other.m_height);
    std::swap(m_cells, other.m_cells);
}
