#pragma once

#include <cstdint>
#include <random>
#include <vector>

// Course files made up for long sessions: the bytes as they lie on disk
// (width, height, then type and four corners a cell, all little-endian),
// written here rather than through the course's own store, so that a
// fault there cannot hide one in the loader.
class CCourseMaker {
public:
    using Bytes = std::vector<std::uint8_t>;

    explicit CCourseMaker(unsigned seed) : m_random(seed) {}

    // Random types (odd values now and then) and random heights (the
    // 16-bit extremes now and then): almost nothing merges, walls
    // everywhere.
    Bytes Random(int width, int height);
    // One tilted plane with types in a few rectangles: large merged runs.
    Bytes Planar(int width, int height);
    // Flat steps along y, each a band of one type: a run per band, a wall
    // between bands.
    Bytes Terraced(int width, int height);
    // A well-made course cut short somewhere: in the header, at its end,
    // or inside a cell.
    Bytes Truncated(int width, int height);
    // A header with sizes no course may have (zero, negative, 2^31 - 1,
    // more cells than fit), followed by a few cells.
    Bytes Impossible();

    // A side length from 1 to `largest`, small ones far more often than
    // large ones, as real courses are.
    int Side(int largest);
    int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(m_random); }

    // The bytes of a course given cell by cell (row after row).
    struct Cell {
        std::int16_t type;
        std::int16_t corner[4];
    };
    static Bytes Encode(int width, int height, const std::vector<Cell>& cells);

private:
    std::int16_t RandomType();
    std::int16_t RandomHeight();

    std::mt19937 m_random;
};
