#include "tests/game/long/CourseMaker.h"

#include "course/CellType.h"

#include <climits>
#include <cmath>

namespace {

// Bytes of the header (width, height) and of a cell record in the file.
constexpr size_t kHeaderBytes = 8;
constexpr size_t kRecordBytes = 10;

void PutLittleEndian(CCourseMaker::Bytes& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

CCourseMaker::Bytes CCourseMaker::Encode(int width, int height, const std::vector<Cell>& cells)
{
    Bytes bytes;
    bytes.reserve(kHeaderBytes + kRecordBytes * cells.size());
    PutLittleEndian(bytes, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(height), 4);
    for (const Cell& cell : cells) {
        PutLittleEndian(bytes, static_cast<std::uint16_t>(cell.type), 2);
        for (std::int16_t corner : cell.corner)
            PutLittleEndian(bytes, static_cast<std::uint16_t>(corner), 2);
    }
    return bytes;
}

int CCourseMaker::Side(int largest)
{
    // Log-uniform: as many sides from 1 to 16 as from 16 to 256.
    const double exponent = std::uniform_real_distribution<double>(0.0, std::log(largest + 1.0))(m_random);
    const int side = static_cast<int>(std::exp(exponent));
    return side < 1 ? 1 : side > largest ? largest : side;
}

std::int16_t CCourseMaker::RandomType()
{
    // Mostly the eight known types; now and then a value the course file
    // may hold but no type has.
    static constexpr std::int16_t kOdd[] = {0, 9, -5, SHRT_MAX, SHRT_MIN};
    if (Below(20) == 0)
        return kOdd[Below(5)];
    return static_cast<std::int16_t>(Floor + Below(8));
}

std::int16_t CCourseMaker::RandomHeight()
{
    if (Below(50) == 0)
        return Below(2) == 0 ? SHRT_MAX : SHRT_MIN;
    return static_cast<std::int16_t>(Below(601) - 300);
}

CCourseMaker::Bytes CCourseMaker::Random(int width, int height)
{
    std::vector<Cell> cells(static_cast<size_t>(width) * height);
    for (Cell& cell : cells) {
        cell.type = RandomType();
        for (std::int16_t& corner : cell.corner)
            corner = RandomHeight();
    }
    return Encode(width, height, cells);
}

CCourseMaker::Bytes CCourseMaker::Planar(int width, int height)
{
    // Slopes of at most 20 a cell keep every corner of a 256 x 256 course
    // within 16 bits.
    const int slopeX = Below(3) == 0 ? 0 : Below(41) - 20;
    const int slopeY = Below(3) == 0 ? 0 : Below(41) - 20;
    const int base = Below(1001) - 500;
    auto heightAt = [&](int x, int y) { return static_cast<std::int16_t>(base + slopeX * x + slopeY * y); };

    std::vector<Cell> cells(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            cells[x + static_cast<size_t>(y) * width] =
                Cell{Floor, {heightAt(x, y), heightAt(x + 1, y), heightAt(x + 1, y + 1), heightAt(x, y + 1)}};

    // A few rectangles of one type each; a run stops at their borders.
    const int blocks = Below(4);
    for (int b = 0; b < blocks; ++b) {
        const int x0 = Below(width), y0 = Below(height);
        const int x1 = x0 + 1 + Below(width - x0), y1 = y0 + 1 + Below(height - y0);
        const std::int16_t type = RandomType();
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                cells[x + static_cast<size_t>(y) * width].type = type;
    }
    if (Below(2) == 0)
        cells[Below(width) + static_cast<size_t>(Below(height)) * width].type = Start;
    return Encode(width, height, cells);
}

CCourseMaker::Bytes CCourseMaker::Terraced(int width, int height)
{
    std::vector<Cell> cells(static_cast<size_t>(width) * height);
    int y = 0;
    while (y < height) {
        const int band = 1 + Below(8);
        const std::int16_t level = RandomHeight();
        const std::int16_t type = RandomType();
        for (int row = y; row < y + band && row < height; ++row)
            for (int x = 0; x < width; ++x)
                cells[x + static_cast<size_t>(row) * width] = Cell{type, {level, level, level, level}};
        y += band;
    }
    return Encode(width, height, cells);
}

CCourseMaker::Bytes CCourseMaker::Truncated(int width, int height)
{
    Bytes bytes = Below(2) == 0 ? Random(width, height) : Planar(width, height);
    switch (Below(4)) {
    case 0:  // inside the header
        bytes.resize(Below(static_cast<int>(kHeaderBytes)));
        break;
    case 1:  // the header alone
        bytes.resize(kHeaderBytes);
        break;
    case 2:  // one byte short
        bytes.pop_back();
        break;
    default:  // anywhere among the cells
        bytes.resize(kHeaderBytes + Below(static_cast<int>(bytes.size() - kHeaderBytes)));
        break;
    }
    return bytes;
}

CCourseMaker::Bytes CCourseMaker::Impossible()
{
    // 4097 x 4097 is possible as a size but more cells than a course may
    // have; 3000 x 3000 is allowed, and then far too short.
    static constexpr std::int32_t kSides[] = {0, -1, -7, INT_MIN, INT_MAX, 4097, 3000};
    std::int32_t width = kSides[Below(7)];
    std::int32_t height = kSides[Below(7)];
    if (width == 3000 && height == 3000 && Below(2) == 0)
        height = -height;
    std::vector<Cell> cells(static_cast<size_t>(Below(5)), Cell{Floor, {1, 2, 3, 4}});
    return Encode(width, height, cells);
}
