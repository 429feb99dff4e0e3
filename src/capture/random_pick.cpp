#include "capture/random_pick.h"

#include <limits>

namespace lumo {

namespace {

// splitmix64: every output bit depends on every seed bit, so close seeds spread out.
std::uint64_t Next(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

std::size_t PickIndex(std::uint64_t seed, std::size_t count) {
  const std::uint64_t n = count;
  // Draws above the largest multiple of n would favour the low indices: draw again.
  const std::uint64_t limit =
      std::numeric_limits<std::uint64_t>::max() - std::numeric_limits<std::uint64_t>::max() % n;
  std::uint64_t state = seed;
  std::uint64_t value = Next(state);
  while (value >= limit) {
    value = Next(state);
  }
  return static_cast<std::size_t>(value % n);
}

}  // namespace lumo
