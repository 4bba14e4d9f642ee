#include "editor/core/EditHistory.h"

#include "course/HeightField.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kFieldCount = 5;

std::int16_t& Field(HeightCell& cell, int field)
{
    return field == 0 ? cell.type : cell.corner[field - 1];
}

int Field(const HeightCell& cell, int field)
{
    return field == 0 ? cell.type : cell.corner[field - 1];
}

// Little-endian base-128 numbers; signed values zigzagged first, so that
// small changes either way take one byte.
void PutNumber(std::uint8_t*& out, std::uint64_t value)
{
    while (value >= 0x80) {
        *out++ = static_cast<std::uint8_t>(value | 0x80);
        value >>= 7;
    }
    *out++ = static_cast<std::uint8_t>(value);
}

std::uint64_t GetNumber(const std::uint8_t*& p)
{
    std::uint64_t value = 0;
    for (int shift = 0;; shift += 7) {
        const std::uint8_t byte = *p++;
        value |= std::uint64_t{byte & 0x7Fu} << shift;
        if ((byte & 0x80) == 0)
            return value;
    }
}

std::uint64_t Zigzag(int value)
{
    return value < 0 ? 2 * std::uint64_t(-std::int64_t{value}) - 1 : 2 * std::uint64_t(value);
}

int Unzigzag(std::uint64_t value)
{
    return (value & 1) != 0 ? -static_cast<int>((value + 1) / 2) : static_cast<int>(value / 2);
}

// The most one run can take: gap and length, the field mask, five changes.
constexpr std::size_t kLongestRun = 10 + 10 + 1 + kFieldCount * 3;

}  // namespace

bool CEditHistory::Change::operator==(const Change& other) const
{
    return std::equal(field, field + kFieldCount, other.field);
}

CEditHistory::CEditHistory(std::size_t budgetBytes) : m_budget(budgetBytes)
{
}

void CEditHistory::Clear()
{
    m_steps.clear();
    m_done = 0;
    m_bytes = 0;
    m_dropped = 0;
    m_savedPosition = 0;
}

void CEditHistory::BeginStep()
{
    m_recording.clear();
    m_overflowed = false;
    m_changed = false;
    m_runLength = 0;
    m_previousEnd = 0;
}

void CEditHistory::Record(std::int64_t cellIndex, const HeightCell& before, const HeightCell& after)
{
    if (!m_changed) {
        // A change ends what could have been redone.
        m_changed = true;
        while (m_steps.size() > m_done) {
            m_bytes -= m_steps.back().capacity();
            m_steps.pop_back();
        }
        if (m_savedPosition > Position())
            m_savedPosition = -1;
    }
    if (m_overflowed)
        return;
    Change change;
    for (int f = 0; f < kFieldCount; ++f)
        change.field[f] = Field(after, f) - Field(before, f);
    if (m_runLength > 0 && cellIndex == m_runStart + m_runLength && change == m_runChange) {
        ++m_runLength;
        return;
    }
    FlushRun();
    m_runStart = cellIndex;
    m_runLength = 1;
    m_runChange = change;
}

void CEditHistory::FlushRun()
{
    if (m_runLength == 0 || m_overflowed)
        return;
    std::uint8_t run[kLongestRun];
    std::uint8_t* end = run;
    PutNumber(end, static_cast<std::uint64_t>(m_runStart - m_previousEnd));
    PutNumber(end, static_cast<std::uint64_t>(m_runLength));
    std::uint8_t& mask = *end++;
    mask = 0;
    for (int f = 0; f < kFieldCount; ++f) {
        if (m_runChange.field[f] != 0) {
            mask = static_cast<std::uint8_t>(mask | 1u << f);
            PutNumber(end, Zigzag(m_runChange.field[f]));
        }
    }
    m_previousEnd = m_runStart + m_runLength;
    m_runLength = 0;

    const std::size_t size = m_recording.size() + static_cast<std::size_t>(end - run);
    if (size > m_budget) {
        m_overflowed = true;
        Step().swap(m_recording);
        return;
    }
    if (size > m_recording.capacity()) {
        // Older steps make way for what this one holds; it grows into the
        // room left, at most doubling.
        while (m_done > 0 && m_bytes + size > m_budget) {
            m_bytes -= m_steps.front().capacity();
            m_steps.pop_front();
            --m_done;
            ++m_dropped;
        }
        m_recording.reserve(std::min(m_budget - m_bytes, std::max(2 * m_recording.capacity(), size)));
    }
    m_recording.insert(m_recording.end(), run, end);
}

bool CEditHistory::EndStep()
{
    FlushRun();
    if (!m_changed)
        return false;
    if (m_overflowed) {
        // Too large to keep: nothing before it can be taken back either.
        m_dropped = Position() + 1;
        m_steps.clear();
        m_done = 0;
        m_bytes = 0;
        return true;
    }
    m_recording.shrink_to_fit();
    m_bytes += m_recording.capacity();
    m_steps.push_back(std::move(m_recording));
    m_recording = Step();
    ++m_done;
    return true;
}

bool CEditHistory::Undo(CHeightField& course)
{
    if (!CanUndo())
        return false;
    --m_done;
    Apply(course, m_steps[m_done], -1);
    return true;
}

bool CEditHistory::Redo(CHeightField& course)
{
    if (!CanRedo())
        return false;
    Apply(course, m_steps[m_done], +1);
    ++m_done;
    return true;
}

void CEditHistory::Apply(CHeightField& course, const Step& step, int sign) const
{
    HeightCell* cells = &course.GetCell(0, 0);  // row after row
    const std::uint8_t* p = step.data();
    const std::uint8_t* end = p + step.size();
    std::int64_t index = 0;
    while (p < end) {
        index += static_cast<std::int64_t>(GetNumber(p));
        const std::int64_t length = static_cast<std::int64_t>(GetNumber(p));
        const unsigned mask = *p++;
        Change change{};
        for (int f = 0; f < kFieldCount; ++f)
            if ((mask & 1u << f) != 0)
                change.field[f] = sign * Unzigzag(GetNumber(p));
        for (const std::int64_t last = index + length; index < last; ++index) {
            // Unsigned sums wrap: a corner anywhere in 16 bits comes back exactly.
            for (int f = 0; f < kFieldCount; ++f)
                Field(cells[index], f) = static_cast<std::int16_t>(
                    static_cast<std::uint16_t>(Field(cells[index], f) + change.field[f]));
        }
    }
}
