#pragma once
// A broken promise found by a fuzz target: says which, and stops so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__);                              \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)
