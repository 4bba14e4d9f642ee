#pragma once

#include "course/HeightCell.h"

#include <cstdint>
#include <memory>

class CArchive;

// A course: width x height cells, stored row after row (cell (x, y) is
// element x + y * width). No operation checks its coordinates; callers keep
// 0 <= x < width and 0 <= y < height.
class CHeightField {
public:
    // The most cells a course may have (4096 x 4096); larger grids are refused
    // by Load and by the editor's new-course dialog.
    static constexpr std::int64_t kMaxCells = 16777216;

    CHeightField();
    virtual ~CHeightField();
    CHeightField(const CHeightField&) = delete;
    CHeightField& operator=(const CHeightField&) = delete;

    HeightCell& GetCell(int x, int y) { return m_cells[x + static_cast<std::int64_t>(y) * m_width]; }
    const HeightCell& GetCell(int x, int y) const { return m_cells[x + static_cast<std::int64_t>(y) * m_width]; }
    void SetCell(int x, int y, const HeightCell& cell) { GetCell(x, y) = cell; }
    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }

    // Discards the cells and makes width x height Floor cells at height 0.
    // When the storage cannot be had the grid is left empty (0 x 0).
    void Create(int width, int height);

    // Replaces the grid with the course in the archive. The new grid is read
    // aside and swapped in only when every cell was read, so a failure leaves
    // this grid exactly as it was. A short file or an impossible header
    // throws CArchiveException (see platform/ArchiveException.h).
    bool Load(CArchive& ar);

    // Writes the grid. An empty grid writes nothing and returns false.
    bool Store(CArchive& ar);

    // Store for a document's save. An empty grid would leave an empty file,
    // which no program can open again as a course, so instead of writing
    // nothing it throws CArchiveException(nothingToStore) and the save fails.
    void StoreForSave(CArchive& ar);

    // Surface queries and coplanar-run merging (HeightFieldSurface.cpp).
    double GetHeightAt(double x, double y) const;
    void GetNormal(int x, int y, double& nx, double& ny, double& nz) const;
    void MergeRun(int x0, int y0, int& runWidth, int& runHeight);
    // Clears every cell's run mark, so that the runs can be found again.
    void ClearMergeMarks();
    bool ContinuesX(int x, int y, int x2, int y2) const;
    bool ContinuesY(int x, int y, int x2, int y2) const;

    void Swap(CHeightField& other) noexcept;

private:
    int m_width = 0;
    int m_height = 0;
    std::unique_ptr<HeightCell[]> m_cells;
};
