// The editor's mouse and keys on a course as the grid view handles them,
// checked against what the user did: each dragged half-cell on the grid is
// visited once, row by row (worked out in 64 bits). A key changes only the
// selected corners and their cells: it adds one amount of at most 4 to each,
// held within 0..99, or sets one type on all their cells, or neither, and
// says whether anything changed. An auto-repeat changes nothing but corners
// out of range. Input: a course file, then events (a selector byte each,
// and its operands).

#include "course/HeightField.h"
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
#include <iterator>
#include <tuple>
#include <vector>

namespace {

// Larger courses only make each key slower to check.
constexpr std::int64_t kMaxFuzzCells = 256;

// What a PC keyboard sends for main-row 1..8 and keypad * + - /: key code
// and flags word.
constexpr unsigned kEditingKeys[][2] = {{'1', 2}, {'2', 3}, {'3', 4}, {'4', 5}, {'5', 6}, {'6', 7},
                                        {'7', 8}, {'8', 9}, {VK_MULTIPLY, 0x37}, {VK_ADD, 0x4E},
                                        {VK_SUBTRACT, 0x4A}, {VK_DIVIDE, kKeyExtendedFlag | 0x35}};
constexpr unsigned kFlagVariants[] = {0, kKeyRepeatFlag, kKeyExtendedFlag, 0x8000, 0x1};
constexpr int kToolkitKeys[] = {
    '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', 'a', '!', WXK_NUMPAD_MULTIPLY, WXK_NUMPAD_ADD,
    WXK_NUMPAD_SUBTRACT, WXK_NUMPAD_DIVIDE, WXK_MULTIPLY, WXK_ADD, WXK_SUBTRACT, WXK_DIVIDE, WXK_NUMPAD1,
    WXK_NUMPAD8, WXK_F1, WXK_NONE};

// Rounding down, left of and above the grid too.
std::int64_t HalfCellOf(std::int64_t pixel)
{
    return pixel / kHalfCell - (pixel % kHalfCell < 0 ? 1 : 0);
}

class CEditorSession {
public:
    CEditorSession(CFuzzInput& in, CHeightField& course) : m_in(in), m_course(course) {}

    void Run()
    {
        while (!m_in.IsEmpty()) {
            const int selector = m_in.Byte() % 11;
            if (selector < 4) {
                // Client pixels, within a screen's reach or anywhere an int
                // goes, plus the scroll offset in the toolkit's wrapping sum.
                const bool anywhere = selector >= 2;
                const std::uint32_t x = anywhere ? m_in.U32() : std::uint32_t(m_in.I16());
                const std::uint32_t y = anywhere ? m_in.U32() : std::uint32_t(m_in.I16());
                Button(selector % 2 == 0, {int(x + m_scroll.x), int(y + m_scroll.y)});
            } else if (selector == 4) {  // an editing key, as pressed or with a flag that stops it
                const unsigned* key = kEditingKeys[m_in.Byte() % std::size(kEditingKeys)];
                Key({key[0], 1, key[1] ^ kFlagVariants[m_in.Byte() % std::size(kFlagVariants)], false});
            } else if (selector == 5) {
                const unsigned code = m_in.U32();
                Key({code, 1, m_in.U32(), false});
            } else if (selector == 6) {  // what the scroll bars allow
                m_scroll.x = kCellSize * m_in.IntInRange(0, m_course.GetWidth());
                m_scroll.y = kCellSize * m_in.IntInRange(0, m_course.GetHeight());
            } else if (selector == 7) {  // File New; the view and its selection stay
                const int width = m_in.IntInRange(1, int{kMaxFuzzCells});
                m_course.Create(width, m_in.IntInRange(1, int{kMaxFuzzCells} / width));
                CheckSelection();
            } else if (selector == 8) {  // a key event through the view's translator
                const unsigned keycode = Keycode();
                const std::uint8_t pick = m_in.Byte();
                const int toolkitKey = pick < std::size(kToolkitKeys) ? kToolkitKeys[pick] : m_in.I32();
                Key(m_keys.Translate(keycode, toolkitKey, (m_in.Byte() & 1) != 0));
            } else {
                selector == 9 ? m_keys.Release(Keycode()) : m_keys.Reset();
            }
        }
    }

private:
    // An X keycode: one of the keyboard's, or any number at all.
    unsigned Keycode()
    {
        const unsigned pick = m_in.Byte();
        return pick < 0xF0 ? pick : m_in.U32();
    }

    void Button(bool press, GridPoint point)
    {
        if (press)
            m_selection.OnPress(m_press = point);
        else
            FUZZ_CHECK(m_selection.OnRelease(point) == m_pressed, "a release taken without a press, or ignored after one");
        if (!press && m_pressed) {
            m_selected = true;
            std::tie(m_firstJ, m_lastJ) = std::minmax({HalfCellOf(m_press.x), HalfCellOf(point.x)});
            std::tie(m_firstI, m_lastI) = std::minmax({HalfCellOf(m_press.y), HalfCellOf(point.y)});
        }
        m_pressed = press;
        CheckSelection();
    }

    // Also notes which corners of each cell are selected.
    void CheckSelection()
    {
        const int w = m_course.GetWidth(), h = m_course.GetHeight();
        FUZZ_CHECK(m_selection.HasSelection() == m_selected, "the selection appeared or vanished");
        const GridRect r = m_selection.GetOutline();
        FUZZ_CHECK(!m_selected || (r.left < r.right && r.top < r.bottom), "the outline is inside out");
        m_corners.assign(std::size_t(w) * h, 0);
        std::int64_t previous = -1, count = 0;
        m_selection.ForEachSelectedCorner(w, h, [&](int x, int y, int k) {
            FUZZ_CHECK(0 <= x && x < w && 0 <= y && y < h && 0 <= k && k < 4, "a corner off the grid was visited");
            // Its half-cell: left corners (0, 3) in even columns, bottom ones
            // (0, 1) in odd rows, course row 0 at the bottom.
            const std::int64_t j = 2 * std::int64_t{x} + (k == 1 || k == 2 ? 1 : 0);
            const std::int64_t i = 2 * (std::int64_t{h} - 1 - y) + (k == 0 || k == 1 ? 1 : 0);
            FUZZ_CHECK(m_selected && m_firstJ <= j && j <= m_lastJ && m_firstI <= i && i <= m_lastI,
                       "a corner outside the selection was visited");
            FUZZ_CHECK(i * 2 * w + j > previous, "corners were visited out of order or twice");
            previous = i * 2 * w + j;
            ++count;
            m_corners[std::size_t(y) * w + x] |= 1 << k;
        });
        // Selected half-cells among the grid's `size` half-cells across or down.
        const auto onGrid = [](std::int64_t from, std::int64_t to, std::int64_t size) {
            return std::max<std::int64_t>(0, std::min(to, size - 1) - std::max<std::int64_t>(from, 0) + 1);
        };
        FUZZ_CHECK(count == (m_selected ? onGrid(m_firstJ, m_lastJ, 2 * w) * onGrid(m_firstI, m_lastI, 2 * h) : 0),
                   "selected corners were left out");
    }

    void Key(const KeyMessage& key)
    {
        CheckSelection();
        const int w = m_course.GetWidth();
        const auto cell = [&](std::size_t n) -> const HeightCell& { return m_course.GetCell(int(n % w), int(n / w)); };
        m_before.clear();
        for (std::size_t n = 0; n < m_corners.size(); ++n)
            m_before.push_back(cell(n));
        const bool changed = ApplyKeyToSelection(m_course, m_selection, key);

        bool anyChange = false;
        int newType = 0;
        unsigned amounts = 0x1FF;  // bit a + 4: each selected corner so far is its height + a, held in 0..99
        for (std::size_t n = 0; n < m_corners.size(); ++n) {
            const HeightCell &was = m_before[n], &is = cell(n);
            FUZZ_CHECK(is.merged == was.merged && (m_corners[n] != 0 || is.type == was.type),
                       "a key changed a cell without a selected corner");
            newType = is.type != was.type ? is.type : newType;
            anyChange = anyChange || is.type != was.type;
            for (int k = 0; k < 4; ++k) {
                const bool selected = (m_corners[n] >> k & 1) != 0;
                FUZZ_CHECK(selected || is.corner[k] == was.corner[k], "a key changed a corner that is not selected");
                for (int a = -4; a <= 4; ++a)
                    amounts &= ~(selected && is.corner[k] != std::clamp(was.corner[k] + a, 0, 99) ? 1u << (a + 4) : 0u);
                anyChange = anyChange || is.corner[k] != was.corner[k];
            }
        }
        for (std::size_t n = 0; n < m_corners.size(); ++n)
            FUZZ_CHECK(newType == 0 || m_corners[n] == 0 || cell(n).type == newType, "a key set a type on some cells only");
        FUZZ_CHECK(amounts != 0, "a key moved the selected corners unevenly, by more than 4, or out of 0..99");
        const bool heightsKept = (amounts & 1u << 4) != 0;
        FUZZ_CHECK(newType == 0 || heightsKept, "a key both set a type and moved corners");
        FUZZ_CHECK((key.flags & kKeyRepeatFlag) == 0 || (newType == 0 && heightsKept), "an auto-repeat acted");
        FUZZ_CHECK(changed == anyChange, "the key's report of a change is wrong");
    }

    CFuzzInput& m_in;
    CHeightField& m_course;
    CGridSelection m_selection;
    CKeyTranslator m_keys;
    GridPoint m_scroll{0, 0};
    // The selection as the user made it, in half-cells, without limits.
    bool m_pressed = false, m_selected = false;
    GridPoint m_press{0, 0};
    std::int64_t m_firstJ = 0, m_lastJ = 0, m_firstI = 0, m_lastI = 0;
    // Per cell, a bit per selected corner; and the cells before a key.
    std::vector<int> m_corners;
    std::vector<HeightCell> m_before;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CArchive ar(std::vector<std::uint8_t>(data, data + size));
    CHeightField course;
    try {
        course.Load(ar);
    } catch (const CArchiveException&) {
        return 0;
    }
    if (std::int64_t{course.GetWidth()} * course.GetHeight() > kMaxFuzzCells)
        return 0;
    // The bytes after the course are the events.
    CFuzzInput in(data + (size - ar.Remaining()), ar.Remaining());
    CEditorSession(in, course).Run();
    return 0;
}
