#include "editor/core/KeyEdit.h"

#include "course/HeightField.h"
#include "editor/core/EditHistory.h"
#include "editor/core/GridSelection.h"
#include "platform/keys/VirtualKey.h"

#include <cstdint>

namespace {

struct KeyAction {
    unsigned key;
    unsigned flags;     // the whole flags word the key must carry
    int type;           // the cell type it sets, or 0
    int heightChange;   // what it adds to the corner
};

constexpr KeyAction kKeyTable[] = {
    {0x31, 0x02, 1, 0},
    {0x32, 0x03, 2, 0},
    {0x33, 0x04, 3, 0},
    {0x34, 0x05, 4, 0},
    {0x35, 0x06, 5, 0},
    {0x36, 0x07, 6, 0},
    {0x37, 0x08, 7, 0},
    {0x38, 0x09, 8, 0},
    {VK_MULTIPLY, 0x37, 0, +1},
    {VK_ADD, 0x4E, 0, +4},
    {VK_SUBTRACT, 0x4A, 0, -4},
    {VK_DIVIDE, 0x135, 0, -1},
};

// The table's entry for the key, or null.
const KeyAction* FindAction(const KeyMessage& key)
{
    for (const KeyAction& action : kKeyTable)
        if (action.key == key.key && action.flags == key.flags)
            return &action;
    return nullptr;
}

void ApplyAction(HeightCell& cell, int corner, const KeyAction* action)
{
    // Computed in int: a corner near the 16-bit limit must not wrap round
    // and come out of the clamp as 0.
    int height = cell.corner[corner];
    if (action != nullptr) {
        if (action->type != 0)
            cell.type = static_cast<std::int16_t>(action->type);
        height += action->heightChange;
    }
    if (height >= kHighestHeight)
        height = kHighestHeight;
    if (height <= kLowestHeight)
        height = kLowestHeight;
    cell.corner[corner] = static_cast<std::int16_t>(height);
}

}  // namespace

void ApplyKeyToCorner(HeightCell& cell, int corner, const KeyMessage& key)
{
    ApplyAction(cell, corner, FindAction(key));
}

bool ApplyKeyToSelection(CHeightField& course, const CGridSelection& selection, const KeyMessage& key,
                         CEditHistory* history)
{
    const KeyAction* action = FindAction(key);
    const int width = course.GetWidth();
    bool changed = false;
    if (history != nullptr)
        history->BeginStep();
    selection.ForEachSelectedCell(width, course.GetHeight(), [&](int x, int y, unsigned corners) {
        HeightCell& stored = course.GetCell(x, y);
        HeightCell cell = stored;
        for (int k = 0; k < 4; ++k)
            if ((corners & 1u << k) != 0)
                ApplyAction(cell, k, action);
        if (cell == stored)
            return;
        if (history != nullptr)
            history->Record(x + std::int64_t{y} * width, stored, cell);
        stored = cell;
        changed = true;
    });
    if (history != nullptr)
        history->EndStep();
    return changed;
}
