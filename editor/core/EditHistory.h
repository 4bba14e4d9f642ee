#pragma once

#include "course/HeightCell.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

class CHeightField;

// Undo and redo of the changes to a course, one step per key that changed
// cells. A step keeps only the cells it changed, as runs of neighbouring
// cells that changed by the same amounts: a key over a large block of a
// course is a few bytes per row, not a copy of the block. All steps
// together stay within a memory budget; the oldest go first, and a step
// larger than the whole budget is not kept, nor any before it.
//
// The history also knows which step the saved file holds, so the document
// is modified exactly when it is elsewhere.
class CEditHistory {
public:
    static constexpr std::size_t kDefaultBudget = std::size_t{64} << 20;

    explicit CEditHistory(std::size_t budgetBytes = kDefaultBudget);

    // A new course, opened or made: no steps, and the course as it is counts
    // as saved.
    void Clear();

    // Recording a step: BeginStep, then Record for each changed cell in the
    // order the course stores them (cell index x + y * width rising), then
    // EndStep, which returns whether anything changed.
    void BeginStep();
    void Record(std::int64_t cellIndex, const HeightCell& before, const HeightCell& after);
    bool EndStep();

    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_steps.size(); }
    // Take back or repeat one step on the course it was recorded on; false
    // when there is none.
    bool Undo(CHeightField& course);
    bool Redo(CHeightField& course);

    void MarkSaved() { m_savedPosition = Position(); }
    bool IsAtSavedState() const { return m_savedPosition == Position(); }

    // What the steps hold, in bytes.
    std::size_t GetMemoryUse() const { return m_bytes; }

private:
    // A step: runs of cells, each run its gap from the previous run, its
    // length and the change of its cells (after minus before; types and
    // corners), all as variable-length numbers.
    using Step = std::vector<std::uint8_t>;

    struct Change {
        int field[5];  // type, corner[0..3]
        bool operator==(const Change& other) const;
    };

    void FlushRun();
    void Apply(CHeightField& course, const Step& step, int sign) const;
    std::int64_t Position() const { return m_dropped + static_cast<std::int64_t>(m_done); }

    std::size_t m_budget;
    std::deque<Step> m_steps;  // [0, m_done) done, the rest undone
    std::size_t m_done = 0;
    std::size_t m_bytes = 0;
    std::int64_t m_dropped = 0;        // steps dropped from the front, ever
    std::int64_t m_savedPosition = 0;  // where the saved file is; -1 nowhere

    // The step being recorded.
    Step m_recording;
    bool m_overflowed = false;
    bool m_changed = false;
    std::int64_t m_runStart = 0;
    std::int64_t m_runLength = 0;
    std::int64_t m_previousEnd = 0;
    Change m_runChange{};
};
