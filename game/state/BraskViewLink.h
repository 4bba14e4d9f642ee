#pragma once

#include "document/ViewLink.h"

// What the game document asks of the game view after a load or a new game.
class CBraskViewLink : public CViewLink {
public:
    // Records the course and ball display lists and re-centres the pointer.
    virtual void BuildLists() = 0;
    // Moves the pointer to the cursor origin and remembers it there.
    virtual void RecenterCursor() = 0;
    virtual void SetAnimation(bool on) = 0;
};
