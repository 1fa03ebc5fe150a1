#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise of the code under test: libFuzzer records the input as a crash.
inline void fuzzCheck(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}
