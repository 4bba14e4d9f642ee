#include "game/mesh/CourseTiles.h"

#include "course/CellType.h"
#include "course/HeightField.h"
#include "game/mesh/CourseMesh.h"

#include <algorithm>
#include <climits>

namespace {

// Marks of m_runs: a run's first cell, and the cells of its first row and
// column that the run goes on from.
constexpr std::uint8_t kRunStart = 1;
constexpr std::uint8_t kRunGoesEast = 2;
constexpr std::uint8_t kRunGoesNorth = 4;

// Whether a box lies on the inner side of every plane: for each plane its
// corner furthest along the plane's normal is tested.
template <typename Box>
bool Meets(const Box& b, const double planes[6][4])
{
    for (int p = 0; p < 6; ++p) {
        const double* n = planes[p];
        const double x = n[0] >= 0 ? b.x1 : b.x0;
        const double y = n[1] >= 0 ? b.y1 : b.y0;
        const double z = n[2] >= 0 ? b.z1 : b.z0;
        if (n[0] * x + n[1] * y + n[2] * z + n[3] < 0)
            return false;
    }
    return true;
}

}  // namespace

void CCourseTiles::Bounds::Hold(const Bounds& other)
{
    x0 = std::min(x0, other.x0);
    y0 = std::min(y0, other.y0);
    x1 = std::max(x1, other.x1);
    y1 = std::max(y1, other.y1);
    z0 = std::min(z0, other.z0);
    z1 = std::max(z1, other.z1);
}

CCourseTiles::CCourseTiles(int tileSide, int oneListSide, std::size_t vertexBudget)
    : m_tileSide(tileSide), m_oneListSide(oneListSide), m_vertexBudget(vertexBudget)
{
}

void CCourseTiles::Open(CHeightField& grid)
{
    m_grid = &grid;
    const int width = grid.GetWidth();
    const int height = grid.GetHeight();
    m_side = width <= m_oneListSide && height <= m_oneListSide ? std::max(width, height) : m_tileSide;
    m_tilesWide = m_side > 0 ? (width + m_side - 1) / m_side : 0;
    m_tilesHigh = m_side > 0 ? (height + m_side - 1) / m_side : 0;
    m_tiles.assign(static_cast<std::size_t>(m_tilesWide) * m_tilesHigh, Tile{});
    m_recorded.clear();
    m_recordedVertices = 0;
    m_levels.clear();
    if (m_tiles.empty())
        return;

    std::vector<Bounds> tiles;
    FindRunsAndBounds(tiles);
    m_levels.push_back(Level{m_tilesWide, m_tilesHigh, std::move(tiles)});
    while (m_levels.back().wide > 1 || m_levels.back().high > 1) {
        const Level& below = m_levels.back();
        Level level{(below.wide + 1) / 2, (below.high + 1) / 2, {}};
        level.bounds.resize(static_cast<std::size_t>(level.wide) * level.high,
                            Bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN, INT_MAX, INT_MIN});
        for (int y = 0; y < below.high; ++y)
            for (int x = 0; x < below.wide; ++x)
                level.bounds[y / 2 * level.wide + x / 2].Hold(below.bounds[y * below.wide + x]);
        m_levels.push_back(std::move(level));
    }
}

void CCourseTiles::FindRunsAndBounds(std::vector<Bounds>& tiles)
{
    CHeightField& grid = *m_grid;
    const int width = grid.GetWidth();
    const int height = grid.GetHeight();
    tiles.resize(m_tiles.size());
    for (int ty = 0; ty < m_tilesHigh; ++ty)
        for (int tx = 0; tx < m_tilesWide; ++tx)
            tiles[ty * m_tilesWide + tx] = Bounds{tx * m_side, ty * m_side, std::min((tx + 1) * m_side, width),
                                                  std::min((ty + 1) * m_side, height), INT_MAX, INT_MIN};
    m_runs.assign(static_cast<std::size_t>(width) * height, 0);
    grid.ClearMergeMarks();

    // Row by row, as DrawCourse merges: the same runs, whichever tile draws them.
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const HeightCell& c = grid.GetCell(x, y);
            Bounds& b = tiles[TileIndexOf(x, y)];
            const auto hold = [&b](int z) {
                b.z0 = std::min(b.z0, z);
                b.z1 = std::max(b.z1, z);
            };
            // The cell's walls reach from its corners to its east and north
            // neighbours' corners, and to 0 along the border.
            for (const int z : c.corner)
                hold(z);
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1)
                hold(0);
            if (x < width - 1) {
                hold(grid.GetCell(x + 1, y).corner[0]);
                hold(grid.GetCell(x + 1, y).corner[3]);
            }
            if (y < height - 1) {
                hold(grid.GetCell(x, y + 1).corner[0]);
                hold(grid.GetCell(x, y + 1).corner[1]);
            }
            if (c.merged || c.type == Hole)
                continue;
            int w = 0;
            int h = 0;
            grid.MergeRun(x, y, w, h);
            const std::size_t first = static_cast<std::size_t>(y) * width + x;
            m_runs[first] |= kRunStart;
            for (int i = 0; i + 1 < w; ++i)
                m_runs[first + i] |= kRunGoesEast;
            for (int j = 0; j + 1 < h; ++j)
                m_runs[first + static_cast<std::size_t>(j) * width] |= kRunGoesNorth;
            // The run's far corners may lie in other tiles; its quad is this one's.
            b.x1 = std::max(b.x1, x + w);
            b.y1 = std::max(b.y1, y + h);
            hold(grid.GetCell(x + w - 1, y).corner[1]);
            hold(grid.GetCell(x + w - 1, y + h - 1).corner[2]);
            hold(grid.GetCell(x, y + h - 1).corner[3]);
        }
}

void CCourseTiles::Draw(const double viewVolume[16])
{
    if (m_levels.empty())
        return;
    ++m_frame;
    // The planes of the volume, inner side positive: the fourth row of the
    // matrix plus and minus each of the other three.
    double planes[6][4];
    for (int p = 0; p < 6; ++p)
        for (int c = 0; c < 4; ++c)
            planes[p][c] = viewVolume[c * 4 + 3] + (p % 2 == 0 ? 1 : -1) * viewVolume[c * 4 + p / 2];
    DrawVisible(planes, static_cast<int>(m_levels.size()) - 1, 0, 0);
    ReleaseStale();
}

void CCourseTiles::DrawVisible(const double planes[6][4], int level, int tx, int ty)
{
    const Level& l = m_levels[level];
    if (tx >= l.wide || ty >= l.high || !Meets(l.bounds[ty * l.wide + tx], planes))
        return;
    if (level == 0) {
        DrawTile(ty * l.wide + tx);
        return;
    }
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i)
            DrawVisible(planes, level - 1, 2 * tx + i, 2 * ty + j);
}

void CCourseTiles::DrawTile(int index)
{
    Tile& tile = m_tiles[index];
    if (tile.list == 0) {
        tile.list = glGenLists(1);
        if (tile.list == 0)
            return;
        glNewList(tile.list, GL_COMPILE);
        tile.vertices = static_cast<std::uint32_t>(RecordTile(index));
        glEndList();
        m_recorded.push_back(index);
        m_recordedVertices += tile.vertices;
    }
    tile.lastSeen = m_frame;
    glCallList(tile.list);
}

int CCourseTiles::RecordTile(int index)
{
    CHeightField& grid = *m_grid;
    if (m_tiles.size() == 1)
        return CCourseMesh::DrawCourse(grid);
    const int width = grid.GetWidth();
    const int x0 = index % m_tilesWide * m_side;
    const int y0 = index / m_tilesWide * m_side;
    const int x1 = std::min(x0 + m_side, width);
    const int y1 = std::min(y0 + m_side, grid.GetHeight());
    int vertices = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t* first = &m_runs[static_cast<std::size_t>(y) * width + x];
            if (!(*first & kRunStart))
                continue;
            int w = 1;
            while (first[w - 1] & kRunGoesEast)
                ++w;
            int h = 1;
            while (first[static_cast<std::size_t>(h - 1) * width] & kRunGoesNorth)
                ++h;
            CCourseMesh::DrawRunTop(grid, x, y, w, h, true);
            vertices += 4;
        }
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            vertices += CCourseMesh::DrawCellWalls(grid, x, y);
    return vertices;
}

void CCourseTiles::ReleaseStale()
{
    // Over the budget, the tiles seen longest ago go first; those seen in
    // this frame stay whatever they hold.
    if (m_recordedVertices > m_vertexBudget)
        std::sort(m_recorded.begin(), m_recorded.end(),
                  [this](int a, int b) { return m_tiles[a].lastSeen < m_tiles[b].lastSeen; });
    std::size_t kept = 0;
    for (const int index : m_recorded) {
        Tile& tile = m_tiles[index];
        const bool stale = m_frame - tile.lastSeen > kKeepFrames;
        if (tile.lastSeen != m_frame && (stale || m_recordedVertices > m_vertexBudget)) {
            glDeleteLists(tile.list, 1);
            tile.list = 0;
            m_recordedVertices -= tile.vertices;
        } else {
            m_recorded[kept++] = index;
        }
    }
    m_recorded.resize(kept);
}

void CCourseTiles::Release()
{
    for (const int index : m_recorded) {
        glDeleteLists(m_tiles[index].list, 1);
        m_tiles[index].list = 0;
    }
    m_recorded.clear();
    m_recordedVertices = 0;
}

void CCourseTiles::CurrentViewVolume(double viewVolume[16])
{
    double projection[16];
    double modelview[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            viewVolume[c * 4 + r] = 0;
            for (int k = 0; k < 4; ++k)
                viewVolume[c * 4 + r] += projection[k * 4 + r] * modelview[c * 4 + k];
        }
}
