#pragma once

#include <GL/gl.h>

#include <cstddef>
#include <cstdint>
#include <vector>

class CHeightField;

// The course as display lists of rectangular tiles of cells, so that a frame
// costs what the camera sees, not the whole course. The runs are found over
// the whole course as CCourseMesh::DrawCourse finds them, and each run is
// drawn whole by the tile of its first cell, whose bounds grow to hold it;
// each wall by the tile of the cell it belongs to. A tile is recorded when it
// first comes into view and released once it has been out of view for a
// while, or sooner when the lists would hold more than their budget. A course
// that fits in one list's side is one list, recorded by DrawCourse.
class CCourseTiles {
public:
    static constexpr int kTileSide = 8;
    static constexpr int kOneListSide = 32;
    // What the recorded lists may hold together, in vertices (the driver
    // keeps some 30 bytes for each): far more than one view needs.
    static constexpr std::size_t kVertexBudget = 1u << 20;
    // Frames (about 3 s) a tile stays recorded after it was last in view.
    static constexpr unsigned kKeepFrames = 100;

    explicit CCourseTiles(int tileSide = kTileSide, int oneListSide = kOneListSide,
                          std::size_t vertexBudget = kVertexBudget);
    CCourseTiles(const CCourseTiles&) = delete;
    CCourseTiles& operator=(const CCourseTiles&) = delete;

    // Takes the course: finds its runs (leaving every non-hole cell marked
    // as merged) and the bounds of its tiles, and records nothing. The grid
    // must stay as it is until the next Open. Any lists of the previous
    // course must have been released.
    void Open(CHeightField& grid);

    // Calls the lists of the tiles whose bounds meet the view volume, given
    // as the product of the projection and modelview matrices (column-major,
    // from course coordinates), recording those not yet recorded; then
    // releases the tiles kept too long or over the budget. The context must
    // be current.
    void Draw(const double viewVolume[16]);

    // Deletes every recorded list; the context must be current.
    void Release();

    std::size_t RecordedLists() const { return m_recorded.size(); }
    std::size_t RecordedVertices() const { return m_recordedVertices; }

    // The view volume of the current projection and modelview matrices.
    static void CurrentViewVolume(double viewVolume[16]);

private:
    // Cells x0 <= x < x1, y0 <= y < y1 reach out to these bounds.
    struct Bounds {
        int x0, y0, x1, y1;
        int z0, z1;
        void Hold(const Bounds& other);
    };
    struct Tile {
        GLuint list = 0;
        unsigned lastSeen = 0;
        std::uint32_t vertices = 0;
    };
    struct Level {
        int wide, high;
        std::vector<Bounds> bounds;
    };

    int TileIndexOf(int x, int y) const { return y / m_side * m_tilesWide + x / m_side; }
    void FindRunsAndBounds(std::vector<Bounds>& tiles);
    void DrawVisible(const double planes[6][4], int level, int tx, int ty);
    void DrawTile(int index);
    int RecordTile(int index);
    void ReleaseStale();

    const int m_tileSide;
    const int m_oneListSide;
    const std::size_t m_vertexBudget;
    CHeightField* m_grid = nullptr;
    int m_side = 0;  // the side of this course's tiles
    int m_tilesWide = 0;
    int m_tilesHigh = 0;
    // Per cell: where runs start and how far they reach along their first
    // row and column.
    std::vector<std::uint8_t> m_runs;
    std::vector<Tile> m_tiles;
    // Level 0 holds the tiles' bounds, each level above the bounds of 2 x 2
    // of the level below, up to one for the whole course.
    std::vector<Level> m_levels;
    std::vector<int> m_recorded;
    std::size_t m_recordedVertices = 0;
    unsigned m_frame = 0;
};
