#pragma once

#include <array>
#include <cstdint>

#include "engine/candidates.h"

namespace engine {

inline constexpr std::int32_t kPermutationsPerRun = 4;
inline constexpr std::uint32_t kGeneratorMultiplier = 0x08088405u;  // 134775813
inline constexpr std::uint32_t kGeneratorIncrement = 1u;

using DigitPermutation = std::array<std::int32_t, kDigitCount>;

// Every number from 0 to 9999 once, in the order a run lists them.
using OrderList = std::array<std::int32_t, kCandidateCount>;

// A 32-bit linear congruential generator.
struct OrderingGenerator {
  std::uint32_t seed = 0;

  // Advances the seed and returns a value in 0 .. range-1 (range > 0).
  std::int32_t NextRandom(std::int32_t range);
};

// The shuffle of the ten digits that a generator seeded with `seed` draws.
DigitPermutation PermutationFromSeed(std::uint32_t seed);

// Nests four permutations: p1 gives the thousands digit and changes slowest, p4 the units.
OrderList BuildOrder(const DigitPermutation& p1, const DigitPermutation& p2,
                     const DigitPermutation& p3, const DigitPermutation& p4);

// The process-wide counter whose successive values seed the permutations. It is a signed
// 32-bit value that wraps like a machine word.
void ResetRunCounter();
std::int32_t RunCounter();
void SetRunCounter(std::int32_t value);

// Draws from the process's generator.
std::int32_t NextRandom(std::int32_t range);

// Advances the run counter and draws the permutation seeded with its new value.
DigitPermutation NextPermutation();

}  // namespace engine
