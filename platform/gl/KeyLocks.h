#pragma once

// Whether each of the three lock keys is on.
struct KeyLockStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// Reads the lock keys' states (what their keyboard lights show).
class CKeyLocks {
public:
    virtual ~CKeyLocks() = default;
    // All off where the states cannot be read.
    virtual KeyLockStates Read() = 0;
};
