#pragma once

// A key press as our views read it: the key code (platform/VirtualKey.h),
// the repeat count, the flags word (bits 0-7 the PC scan code, bit 8 the
// extended-key flag, bit 14 set on auto-repeat) and whether Shift was held.
struct KeyMessage {
    unsigned key = 0;
    unsigned repeat = 1;
    unsigned flags = 0;
    bool shift = false;
};
