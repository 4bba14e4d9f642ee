#pragma once

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run as a sanitizer report does: the fuzzer
// keeps the input as a crash and the replayer fails its test.
#define FUZZ_CHECK(condition, what)                                                                 \
    do {                                                                                            \
        if (!(condition))                                                                           \
            std::fprintf(stderr, "fuzz check failed at %s:%d: %s\n", __FILE__, __LINE__, what), std::abort(); \
    } while (false)
