#pragma once
#include <cstddef>
#include <cstdint>

namespace lumo {

// An index from 0 to count - 1, uniform over seeds, from a generator seeded with seed.
// Neighbouring seeds (counter readings a few ticks apart) give unrelated picks. count > 0.
std::size_t PickIndex(std::uint64_t seed, std::size_t count);

}  // namespace lumo
