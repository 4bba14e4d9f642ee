// The editor's mouse and keys on a course: presses and releases anywhere
// (far outside the grid, negative, near the ends of int), scrolling, new
// courses of other sizes under a kept selection, key messages with any
// code and flags word, and key events of any keycode through the key
// translation (downs, ups, lost focus), handled the way the grid view
// handles them. Checked
// against a model worked out in 64-bit arithmetic: only cells of the grid
// are visited, each selected corner exactly once, every selected corner
// ends within 0..99, cells without a selected corner stay as they were.
//
// Input: a course file (header and cells; trailing bytes are the events),
// then events, one selector byte each and its operands.

#include "course/HeightField.h"
#include "editor/GridGeometry.h"
#include "editor/GridSelection.h"
#include "editor/KeyEdit.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "platform/Archive.h"
#include "platform/ArchiveException.h"
#include "platform/KeyTranslator.h"
#include "platform/VirtualKey.h"

#include <wx/defs.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

namespace {

// Courses beyond this make each key slow to check and find nothing new.
constexpr std::int64_t kMaxFuzzCells = 256;

constexpr int kLowestHeight = 0;
constexpr int kHighestHeight = 99;

// The keys that act, with the flags word each needs.
struct KeyAction {
    unsigned key;
    unsigned flags;
    int type;          // the cell type it sets, or 0
    int heightChange;  // what it adds to a corner
};
constexpr KeyAction kActingKeys[] = {
    {0x31, 0x02, 1, 0},         {0x32, 0x03, 2, 0},        {0x33, 0x04, 3, 0},        {0x34, 0x05, 4, 0},
    {0x35, 0x06, 5, 0},         {0x36, 0x07, 6, 0},        {0x37, 0x08, 7, 0},        {0x38, 0x09, 8, 0},
    {VK_MULTIPLY, 0x37, 0, +1}, {VK_ADD, 0x4E, 0, +4},     {VK_SUBTRACT, 0x4A, 0, -4}, {VK_DIVIDE, 0x135, 0, -1},
};
constexpr int kActingKeyCount = sizeof kActingKeys / sizeof kActingKeys[0];

bool SameCell(const HeightCell& a, const HeightCell& b)
{
    return a.type == b.type && std::memcmp(a.corner, b.corner, sizeof a.corner) == 0 && a.merged == b.merged;
}

std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor)
{
    const std::int64_t q = value / divisor;
    return (value % divisor != 0 && value < 0) ? q - 1 : q;
}

// The wrapping addition the toolkit does for client point + scroll offset.
std::int32_t WrappingAdd(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

// The selection as the user made it, in half-cells, without any limits.
struct ModelSelection {
    bool exists = false;
    bool pressed = false;
    std::int32_t pressX = 0, pressY = 0;  // document pixels of the pending press
    // Document pixels of the press and release that made the selection.
    std::int32_t fromX = 0, fromY = 0, toX = 0, toY = 0;
    std::int64_t firstJ = 0, lastJ = 0, firstI = 0, lastI = 0;

    bool Covers(std::int64_t j, std::int64_t i) const
    {
        return exists && firstJ <= j && j <= lastJ && firstI <= i && i <= lastI;
    }
};

// The half-cell that stands for corner k of cell (x, y) on a course `height`
// rows high: left corners (0, 3) in even columns, bottom ones (0, 1) in odd
// rows.
std::int64_t HalfCellColumn(int x, int k)
{
    return 2 * std::int64_t{x} + ((k == 1 || k == 2) ? 1 : 0);
}
std::int64_t HalfCellRow(int y, int k, int height)
{
    return 2 * (std::int64_t{height} - 1 - y) + ((k == 0 || k == 1) ? 1 : 0);
}

class CEditorSession {
public:
    explicit CEditorSession(CFuzzInput& in) : m_in(in) {}

    bool LoadCourse()
    {
        CArchive ar(std::vector<std::uint8_t>(m_in.Current(), m_in.Current() + m_in.Remaining()));
        try {
            m_course.Load(ar);
        } catch (const CArchiveException&) {
            return false;
        }
        if (std::int64_t{m_course.GetWidth()} * m_course.GetHeight() > kMaxFuzzCells)
            return false;
        m_in.Skip(m_in.Remaining() - ar.Remaining());
        return true;
    }

    void Run()
    {
        while (!m_in.IsEmpty()) {
            switch (m_in.Byte() % 11) {
            case 0: Press(SmallPoint()); break;
            case 1: Release(SmallPoint()); break;
            case 2: Press(AnyPoint()); break;
            case 3: Release(AnyPoint()); break;
            case 4: PressActingKey(); break;
            case 5: PressAnyKey(); break;
            case 6: Scroll(); break;
            case 7: NewCourse(); break;
            case 8: KeyDown(); break;
            case 9: KeyUp(); break;
            case 10: LoseFocus(); break;
            }
        }
    }

private:
    // Client pixels: within a screen's reach, or anywhere an int goes.
    GridPoint SmallPoint()
    {
        const int x = m_in.I16();
        return {x, m_in.I16()};
    }
    GridPoint AnyPoint()
    {
        const int x = m_in.I32();
        return {x, m_in.I32()};
    }

    // Client pixels plus the scroll offset, as the view converts them.
    GridPoint DocumentPixel(GridPoint client) const
    {
        return {WrappingAdd(client.x, m_scrollX), WrappingAdd(client.y, m_scrollY)};
    }

    void Press(GridPoint client)
    {
        const GridPoint point = DocumentPixel(client);
        m_selection.OnPress(point);
        m_model.pressed = true;
        m_model.pressX = point.x;
        m_model.pressY = point.y;
    }

    void Release(GridPoint client)
    {
        const GridPoint point = DocumentPixel(client);
        const bool taken = m_selection.OnRelease(point);
        FUZZ_CHECK(taken == m_model.pressed, "a release was taken without a press, or ignored after one");
        if (m_model.pressed) {
            m_model.pressed = false;
            m_model.exists = true;
            m_model.fromX = m_model.pressX;
            m_model.fromY = m_model.pressY;
            m_model.toX = point.x;
            m_model.toY = point.y;
            const std::int64_t j0 = FloorDiv(m_model.pressX, kHalfCell), j1 = FloorDiv(point.x, kHalfCell);
            const std::int64_t i0 = FloorDiv(m_model.pressY, kHalfCell), i1 = FloorDiv(point.y, kHalfCell);
            m_model.firstJ = j0 < j1 ? j0 : j1;
            m_model.lastJ = j0 < j1 ? j1 : j0;
            m_model.firstI = i0 < i1 ? i0 : i1;
            m_model.lastI = i0 < i1 ? i1 : i0;
        }
        CheckSelection();
    }

    // One of the acting keys, as pressed or with a flag that stops it.
    void PressActingKey()
    {
        const KeyAction& k = kActingKeys[m_in.Byte() % kActingKeyCount];
        static const unsigned kFlagVariants[] = {0, kKeyRepeatFlag, kKeyExtendedFlag, 0x8000, 0x1};
        const unsigned extra = kFlagVariants[m_in.Byte() % (sizeof kFlagVariants / sizeof kFlagVariants[0])];
        Key({k.key, 1, k.flags ^ extra, false});
    }

    void PressAnyKey()
    {
        const unsigned key = m_in.U32();
        Key({key, 1, m_in.U32(), false});
    }

    // An X keycode: one of the keyboard's, or any number at all.
    unsigned Keycode()
    {
        const std::uint8_t pick = m_in.Byte();
        return pick < 0xF0 ? pick : m_in.U32();
    }

    // A key event as the toolkit delivers it, through the view's translator.
    void KeyDown()
    {
        static const int kToolkitKeys[] = {
            '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', 'a', '!',
            WXK_NUMPAD_MULTIPLY, WXK_NUMPAD_ADD, WXK_NUMPAD_SUBTRACT, WXK_NUMPAD_DIVIDE,
            WXK_MULTIPLY, WXK_ADD, WXK_SUBTRACT, WXK_DIVIDE, WXK_NUMPAD1, WXK_NUMPAD8, WXK_F1, WXK_NONE,
        };
        const unsigned keycode = Keycode();
        const std::uint8_t pick = m_in.Byte();
        const int toolkitKey = pick < sizeof kToolkitKeys / sizeof kToolkitKeys[0] ? kToolkitKeys[pick] : m_in.I32();
        const bool shift = (m_in.Byte() & 1) != 0;
        const bool held = keycode != 0 && m_held.count(keycode) != 0;
        const KeyMessage key = m_keys.Translate(keycode, toolkitKey, shift);
        FUZZ_CHECK(((key.flags & kKeyRepeatFlag) != 0) == held,
                   "a key read as repeated when it was not, or not when it was");
        if (keycode != 0)
            m_held.insert(keycode);
        Key(key);
    }

    void KeyUp()
    {
        const unsigned keycode = Keycode();
        m_keys.Release(keycode);
        m_held.erase(keycode);
    }

    void LoseFocus()
    {
        m_keys.Reset();
        m_held.clear();
    }

    // What the view's scroll bars allow: whole cells, up to the course's extent.
    void Scroll()
    {
        m_scrollX = kCellSize * m_in.IntInRange(0, m_course.GetWidth());
        m_scrollY = kCellSize * m_in.IntInRange(0, m_course.GetHeight());
    }

    // File New with another size; the view and its selection stay.
    void NewCourse()
    {
        const int width = m_in.IntInRange(1, static_cast<int>(kMaxFuzzCells));
        const int height = m_in.IntInRange(1, static_cast<int>(kMaxFuzzCells / width));
        m_course.Create(width, height);
        FUZZ_CHECK(m_course.GetWidth() == width && m_course.GetHeight() == height, "a small new course failed");
        CheckSelection();
    }

    // The selected corners of the present course, in the order the view
    // visits them, all inside the grid, each once.
    void CheckSelection()
    {
        const int width = m_course.GetWidth();
        const int height = m_course.GetHeight();
        FUZZ_CHECK(m_selection.HasSelection() == m_model.exists, "the selection appeared or vanished");
        if (m_model.exists) {
            const GridPoint first = m_selection.GetFirstHalfCell();
            const GridPoint last = m_selection.GetLastHalfCell();
            const GridRect& outline = m_selection.GetOutline();
            FUZZ_CHECK(first.x <= last.x && first.y <= last.y, "the selection runs backwards");
            FUZZ_CHECK(outline.left <= outline.right && outline.top <= outline.bottom, "the outline is inside out");
            // Within any reach of a course the outline is the dragged block.
            const std::int32_t kFarPixels = 1 << 28;
            const bool near = std::abs(std::int64_t{m_model.fromX}) < kFarPixels &&
                              std::abs(std::int64_t{m_model.fromY}) < kFarPixels &&
                              std::abs(std::int64_t{m_model.toX}) < kFarPixels &&
                              std::abs(std::int64_t{m_model.toY}) < kFarPixels;
            if (near) {
                FUZZ_CHECK(first.x == m_model.firstJ && first.y == m_model.firstI && last.x == m_model.lastJ &&
                               last.y == m_model.lastI,
                           "the selected half-cells are not the dragged ones");
                FUZZ_CHECK(outline.left == kHalfCell * m_model.firstJ + 1 &&
                               outline.top == kHalfCell * m_model.firstI + 1 &&
                               outline.right == kHalfCell * (m_model.lastJ + 1) &&
                               outline.bottom == kHalfCell * (m_model.lastI + 1),
                           "the outline is not round the dragged half-cells");
            }
        }

        m_visits.clear();
        std::int64_t previousI = -1, previousJ = -1;
        m_selection.ForEachSelectedCorner(width, height, [&](int x, int y, int k) {
            FUZZ_CHECK(0 <= x && x < width && 0 <= y && y < height && 0 <= k && k < 4,
                       "a selected corner lies outside the grid");
            const std::int64_t j = HalfCellColumn(x, k), i = HalfCellRow(y, k, height);
            FUZZ_CHECK(m_model.Covers(j, i), "a corner outside the selection was visited");
            FUZZ_CHECK(i > previousI || (i == previousI && j > previousJ),
                       "corners were visited out of order or twice");
            previousI = i;
            previousJ = j;
            m_visits.push_back({x, y, k});
        });
        std::int64_t expected = 0;
        if (m_model.exists) {
            const std::int64_t cols = std::min<std::int64_t>(m_model.lastJ, 2 * std::int64_t{width} - 1) -
                                      std::max<std::int64_t>(m_model.firstJ, 0) + 1;
            const std::int64_t rows = std::min<std::int64_t>(m_model.lastI, 2 * std::int64_t{height} - 1) -
                                      std::max<std::int64_t>(m_model.firstI, 0) + 1;
            if (cols > 0 && rows > 0)
                expected = cols * rows;
        }
        FUZZ_CHECK(static_cast<std::int64_t>(m_visits.size()) == expected, "selected corners were left out");
    }

    void Key(const KeyMessage& key)
    {
        CheckSelection();
        const int width = m_course.GetWidth();
        const int height = m_course.GetHeight();
        int type = 0, change = 0;
        for (const KeyAction& k : kActingKeys) {
            if (k.key == key.key && k.flags == key.flags) {
                type = k.type;
                change = k.heightChange;
            }
        }

        // The course as it must be after the key. The vectors are kept
        // between keys: allocating them per key was most of the run time.
        std::vector<HeightCell>& before = m_before;
        std::vector<HeightCell>& expected = m_expected;
        before.clear();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                before.push_back(m_course.GetCell(x, y));
        expected = before;
        for (const Visit& v : m_visits) {
            HeightCell& cell = expected[static_cast<std::size_t>(v.y) * width + v.x];
            if (type != 0)
                cell.type = static_cast<std::int16_t>(type);
            int h = cell.corner[v.k] + change;
            h = h < kLowestHeight ? kLowestHeight : h > kHighestHeight ? kHighestHeight : h;
            cell.corner[v.k] = static_cast<std::int16_t>(h);
        }

        const bool changed = ApplyKeyToSelection(m_course, m_selection, key);
        bool anyChange = false;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::size_t n = static_cast<std::size_t>(y) * width + x;
                const HeightCell& got = m_course.GetCell(x, y);
                const HeightCell& want = expected[n];
                FUZZ_CHECK(SameCell(got, want), "a key changed a cell otherwise than its selected corners ask");
                anyChange = anyChange || !SameCell(got, before[n]);
            }
        }
        for (const Visit& v : m_visits) {
            const int h = m_course.GetCell(v.x, v.y).corner[v.k];
            FUZZ_CHECK(kLowestHeight <= h && h <= kHighestHeight, "a selected corner is outside 0..99 after a key");
        }
        FUZZ_CHECK(changed == anyChange, "the key's report of a change is wrong");
    }

    struct Visit {
        int x, y, k;
    };

    CFuzzInput& m_in;
    CHeightField m_course;
    CGridSelection m_selection;
    CKeyTranslator m_keys;
    std::set<unsigned> m_held;  // keycodes down, as the model sees them
    ModelSelection m_model;
    std::vector<Visit> m_visits;
    std::vector<HeightCell> m_before;
    std::vector<HeightCell> m_expected;
    std::int32_t m_scrollX = 0;
    std::int32_t m_scrollY = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CFuzzInput in(data, size);
    CEditorSession session(in);
    if (!session.LoadCourse())
        return 0;
    session.Run();
    return 0;
}
