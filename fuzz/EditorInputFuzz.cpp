// The editor's mouse and keys on a course as the grid view handles them. Each dragged half-cell on the grid is
// visited once, cell by cell in the course's order (worked out in 64 bits). A key adds one amount of at most 4 to
// every selected corner, held within 0..99, or sets one type on all their cells, or neither, and says whether
// anything changed; an auto-repeat only holds corners in range.
// Input: a course file, then events (a selector byte each, and operands).

#include "course/HeightField.h"
#include "editor/core/GridSelection.h"
#include "editor/core/KeyEdit.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "document/Archive.h"
#include "document/ArchiveException.h"
#include "platform/shell/KeyTranslator.h"
#include "platform/keys/VirtualKey.h"

#include <wx/defs.h>

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::int64_t kMaxFuzzCells = 256;  // larger courses only make each key slower to check
    // What a PC keyboard sends for main-row 1..8 and keypad * + - /: key code and flags word.
    static constexpr unsigned kEditingKeys[][2] = {{'1', 2}, {'2', 3}, {'3', 4}, {'4', 5}, {'5', 6}, {'6', 7}, {'7', 8},
        {'8', 9}, {VK_MULTIPLY, 0x37}, {VK_ADD, 0x4E}, {VK_SUBTRACT, 0x4A}, {VK_DIVIDE, kKeyExtendedFlag | 0x35}};
    static constexpr unsigned kFlagVariants[] = {0, kKeyRepeatFlag, kKeyExtendedFlag, 0x8000, 0x1};
    static constexpr int kToolkitKeys[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9', '0', 'a', '!',
        WXK_NUMPAD_MULTIPLY, WXK_NUMPAD_ADD, WXK_NUMPAD_SUBTRACT, WXK_NUMPAD_DIVIDE, WXK_MULTIPLY, WXK_ADD,
        WXK_SUBTRACT, WXK_DIVIDE, WXK_NUMPAD1, WXK_NUMPAD8, WXK_F1, WXK_NONE};
    // Pixels to half-cells, rounding down left of and above the grid too.
    const auto halfCell = [](std::int64_t pixel) { return pixel / kHalfCell - (pixel % kHalfCell < 0 ? 1 : 0); };

    CArchive ar(std::vector<std::uint8_t>(data, data + size));
    CHeightField course;
    try { course.Load(ar); } catch (const CArchiveException&) { return 0; }  // not a course: nothing to edit
    if (std::int64_t{course.GetWidth()} * course.GetHeight() > kMaxFuzzCells)
        return 0;
    CFuzzInput in(data + (size - ar.Remaining()), ar.Remaining());  // the events follow the course
    CGridSelection selection;
    CKeyTranslator keys;
    GridPoint scroll{0, 0}, press{0, 0};
    // The selection as the user made it, in half-cells, without limits: an empty range before the first drag.
    bool pressed = false;
    std::int64_t firstJ = 0, lastJ = -1, firstI = 0, lastI = -1;
    std::vector<int> corners;  // per cell, a bit per selected corner

    const auto checkSelection = [&] {
        const int w = course.GetWidth(), h = course.GetHeight();
        const GridRect r = selection.GetOutline();
        FUZZ_CHECK(selection.HasSelection() ? firstJ <= lastJ && r.left < r.right && r.top < r.bottom : firstJ > lastJ,
                   "the selection appeared, vanished or turned inside out");
        corners.assign(std::size_t(w) * h, 0);
        std::int64_t previous = -1, count = 0;
        selection.ForEachSelectedCell(w, h, [&](int x, int y, unsigned mask) {
            FUZZ_CHECK(0 <= x && x < w && 0 <= y && y < h && mask != 0 && mask < 16, "a cell off the grid was visited");
            FUZZ_CHECK(std::int64_t{y} * w + x > previous, "cells were visited out of order or twice");
            previous = std::int64_t{y} * w + x;
            for (int k = 0; k < 4; ++k) {
                if ((mask >> k & 1) == 0)
                    continue;
                // Its half-cell: corners 0 and 3 on the left, 0 and 1 at the bottom, course row 0 lowest.
                const std::int64_t j = 2 * std::int64_t{x} + (k == 1 || k == 2 ? 1 : 0);
                const std::int64_t i = 2 * (std::int64_t{h} - 1 - y) + (k == 0 || k == 1 ? 1 : 0);
                FUZZ_CHECK(firstJ <= j && j <= lastJ && firstI <= i && i <= lastI, "an unselected corner was visited");
                ++count;
            }
            corners[std::size_t(y) * w + x] = int(mask);
        });
        const auto onGrid = [](std::int64_t from, std::int64_t to, std::int64_t size) {  // of `size` half-cells
            return std::max<std::int64_t>(0, std::min(to, size - 1) - std::max<std::int64_t>(from, 0) + 1);
        };
        FUZZ_CHECK(count == onGrid(firstJ, lastJ, 2 * w) * onGrid(firstI, lastI, 2 * h),
                   "selected corners were left out");
    };

    const auto key = [&](const KeyMessage& message) {
        checkSelection();
        const HeightCell* cells = corners.empty() ? nullptr : &course.GetCell(0, 0);  // stored row after row
        const std::vector<HeightCell> before(cells, cells + corners.size());
        const bool changed = ApplyKeyToSelection(course, selection, message);
        int newType = -1;  // the type the key set, if any
        bool moved = false;
        unsigned amounts = 0x1FF;  // bit a + 4: adding a gives each selected corner so far, held in 0..99
        for (std::size_t n = 0; n < corners.size(); ++n) {
            const HeightCell &was = before[n], &is = cells[n];
            FUZZ_CHECK(is.merged == was.merged && (corners[n] != 0 || is.type == was.type),
                       "a key changed a cell without a selected corner");
            newType = is.type != was.type ? is.type : newType;
            for (int k = 0; k < 4; ++k) {
                const bool picked = (corners[n] >> k & 1) != 0;
                FUZZ_CHECK(picked || is.corner[k] == was.corner[k], "a key changed a corner that is not selected");
                for (int a = -4; a <= 4; ++a)
                    if (picked && is.corner[k] != std::clamp(was.corner[k] + a, 0, 99))
                        amounts &= ~(1u << (a + 4));
                moved = moved || is.corner[k] != was.corner[k];
            }
        }
        for (std::size_t n = 0; n < corners.size(); ++n)
            FUZZ_CHECK(newType < 0 || corners[n] == 0 || cells[n].type == newType, "a type set on some cells only");
        FUZZ_CHECK(amounts != 0, "a key moved the selected corners unevenly, by more than 4, or out of 0..99");
        const bool heightsKept = (amounts & 1u << 4) != 0, typesKept = newType < 0;
        FUZZ_CHECK(typesKept || heightsKept, "a key both set a type and moved corners");
        FUZZ_CHECK((message.flags & kKeyRepeatFlag) == 0 || (typesKept && heightsKept), "an auto-repeat acted");
        FUZZ_CHECK(changed == (!typesKept || moved), "the key's report of a change is wrong");
    };

    // An X keycode: one of the keyboard's, or any number at all.
    const auto keycode = [&]() -> unsigned { const unsigned pick = in.Byte(); return pick < 0xF0 ? pick : in.U32(); };

    while (!in.IsEmpty()) {
        const int selector = in.Byte() % 11;
        if (selector < 4) {
            // Client pixels near or anywhere, plus the scroll offset in the toolkit's wrapping sum.
            const auto read = [&] { return selector < 2 ? std::uint32_t(in.I16()) : in.U32(); };
            const GridPoint point{int(read() + scroll.x), int(read() + scroll.y)};
            if (selector % 2 == 0)
                selection.OnPress(press = point);
            else
                FUZZ_CHECK(selection.OnRelease(point) == pressed, "a release taken or ignored wrongly");
            if (selector % 2 == 1 && pressed) {  // a drag: press to release
                std::tie(firstJ, lastJ) = std::minmax({halfCell(press.x), halfCell(point.x)});
                std::tie(firstI, lastI) = std::minmax({halfCell(press.y), halfCell(point.y)});
            }
            pressed = selector % 2 == 0;
            checkSelection();
        } else if (selector == 4) {  // an editing key, as pressed or with a flag that stops it
            const unsigned* pick = kEditingKeys[in.Byte() % std::size(kEditingKeys)];
            key({pick[0], 1, pick[1] ^ kFlagVariants[in.Byte() % std::size(kFlagVariants)], false});
        } else if (selector == 5) {
            key({in.U32(), 1, in.U32(), false});  // a braced list is read left to right
        } else if (selector == 6) {  // what the scroll bars allow
            scroll.x = kCellSize * in.IntInRange(0, course.GetWidth());
            scroll.y = kCellSize * in.IntInRange(0, course.GetHeight());
        } else if (selector == 7) {  // File New; the view and its selection stay
            const int width = in.IntInRange(1, int{kMaxFuzzCells});
            course.Create(width, in.IntInRange(1, int{kMaxFuzzCells} / width));
        } else if (selector == 8) {  // a key event through the view's translator
            const unsigned code = keycode();
            const std::uint8_t pick = in.Byte();
            const int toolkitKey = pick < std::size(kToolkitKeys) ? kToolkitKeys[pick] : in.I32();
            key(keys.Translate(code, toolkitKey, (in.Byte() & 1) != 0));
        } else {
            selector == 9 ? keys.Release(keycode()) : keys.Reset();
        }
    }
    return 0;
}
