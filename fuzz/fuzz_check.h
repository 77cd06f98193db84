#pragma once

#include <cstdio>

// A violated property stops the fuzzer with a report, whatever the build's NDEBUG.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      __builtin_trap();                                                                     \
    }                                                                                       \
  } while (false)
