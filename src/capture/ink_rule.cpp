#include "capture/ink_rule.h"

namespace lumo {

namespace {

constexpr bool Brighter(ColourPixel a, ColourPixel b) {
  const std::uint32_t brightness_a = Brightness(a);
  const std::uint32_t brightness_b = Brightness(b);
  return brightness_a != brightness_b ? brightness_a > brightness_b : a > b;
}

}  // namespace

BackgroundCounter::BackgroundCounter() {
  counts_.fill(0);
}

ColourPixel BackgroundCounter::MostFrequent(const ColourRegion& region) {
  for (std::size_t i = 0; i < used_count_; ++i) {
    counts_[used_[i]] = 0;
  }
  used_count_ = 0;
  // Screens are mostly long runs of one colour: one table look-up per run.
  const ColourPixel* at = region.pixels.data();
  const ColourPixel* const end =
      at + static_cast<std::ptrdiff_t>(region.width) * static_cast<std::ptrdiff_t>(region.height);
  while (at != end) {
    const ColourPixel colour = *at;
    const ColourPixel* run_end = at + 1;
    while (run_end != end && *run_end == colour) {
      ++run_end;
    }
    if (colour != kNoColour) {
      Add(colour, static_cast<std::uint32_t>(run_end - at));
    }
    at = run_end;
  }
  ColourPixel best = kWhitePixel;
  std::uint32_t best_count = 0;
  for (std::size_t i = 0; i < used_count_; ++i) {
    const std::uint16_t slot = used_[i];
    if (counts_[slot] > best_count ||
        (counts_[slot] == best_count && Brighter(colours_[slot], best))) {
      best = colours_[slot];
      best_count = counts_[slot];
    }
  }
  return best;
}

void BackgroundCounter::Add(ColourPixel colour, std::uint32_t count) {
  // Fibonacci hashing: neighbouring colours (a fringe's grey levels) spread over the table.
  std::size_t slot = static_cast<std::uint32_t>(colour * 0x9E3779B1u) >> (32 - kSlotBits);
  while (counts_[slot] != 0 && colours_[slot] != colour) {
    slot = (slot + 1) & (kSlots - 1);
  }
  if (counts_[slot] == 0) {
    if (used_count_ == kMaxColours) {
      return;
    }
    colours_[slot] = colour;
    used_[used_count_++] = static_cast<std::uint16_t>(slot);
  }
  counts_[slot] += count;
}

}  // namespace lumo
