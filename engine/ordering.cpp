#include "engine/ordering.h"

namespace engine {
namespace {

constexpr int kUpperHalfShift = 32;

std::int32_t runCounter = 0;
OrderingGenerator processGenerator;

}  // namespace

std::int32_t OrderingGenerator::NextRandom(std::int32_t range) {
  seed = seed * kGeneratorMultiplier + kGeneratorIncrement;
  // The upper half of seed x range: floor(seed * range / 2^32).
  const std::uint64_t product = static_cast<std::uint64_t>(seed) *
                                static_cast<std::uint64_t>(static_cast<std::uint32_t>(range));
  return static_cast<std::int32_t>(product >> kUpperHalfShift);
}

namespace {

DigitPermutation DrawPermutation(OrderingGenerator& generator) {
  DigitPermutation permutation{};
  std::array<bool, kDigitCount> drawn{};
  std::int32_t filled = 0;
  // Redraw until every digit has come up; the generator's full period guarantees it does.
  while (filled < kDigitCount) {
    const std::int32_t digit = generator.NextRandom(kDigitCount);
    if (!drawn[digit]) {
      drawn[digit] = true;
      permutation[filled++] = digit;
    }
  }
  return permutation;
}

}  // namespace

DigitPermutation PermutationFromSeed(std::uint32_t seed) {
  OrderingGenerator generator{seed};
  return DrawPermutation(generator);
}

OrderList BuildOrder(const DigitPermutation& p1, const DigitPermutation& p2,
                     const DigitPermutation& p3, const DigitPermutation& p4) {
  OrderList order;
  std::int32_t slot = 0;
  for (const std::int32_t thousands : p1) {
    for (const std::int32_t hundreds : p2) {
      for (const std::int32_t tens : p3) {
        const std::int32_t prefix = 1000 * thousands + 100 * hundreds + 10 * tens;
        for (const std::int32_t units : p4) {
          order[slot++] = prefix + units;
        }
      }
    }
  }
  return order;
}

void ResetRunCounter() { runCounter = 0; }

std::int32_t RunCounter() { return runCounter; }

void SetRunCounter(std::int32_t value) { runCounter = value; }

std::int32_t NextRandom(std::int32_t range) { return processGenerator.NextRandom(range); }

DigitPermutation NextPermutation() {
  // Unsigned arithmetic wraps past 2^31 - 1 to -2^31 without overflow.
  const std::uint32_t next = static_cast<std::uint32_t>(runCounter) + 1u;
  runCounter = static_cast<std::int32_t>(next);
  processGenerator.seed = next;
  return DrawPermutation(processGenerator);
}

}  // namespace engine
