#pragma once

#include "course/HeightCell.h"
#include "platform/keys/KeyMessage.h"

class CEditHistory;
class CGridSelection;
class CHeightField;

// The editor's key table. Main-row digits 1..8 set the cell type; keypad
// * and / raise and lower a corner by 1, keypad + and - by 4. A key acts
// only with its exact flags word (scan code, extended bit for keypad /, no
// auto-repeat bit), so a held key acts once. After every key, acted or
// not, the corner is clamped to 0..99.
void ApplyKeyToCorner(HeightCell& cell, int corner, const KeyMessage& key);

// Applies the key to every selected corner of the course, and records the
// cells it changed as one step of the history when one is given. Returns
// true when any cell changed.
bool ApplyKeyToSelection(CHeightField& course, const CGridSelection& selection, const KeyMessage& key,
                         CEditHistory* history = nullptr);
