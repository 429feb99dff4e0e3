#pragma once
// Which pixels of a copied region are ink: those that stand out from the region's own
// background, the colour it shows most. So a price comes out black on white whatever
// colours the register draws it in: dark on light, light on dark, or on a grey panel.
#include <array>
#include <cstddef>
#include <cstdint>

#include "capture/colour_region.h"

namespace lumo {

// How far apart two colours are: the largest difference of their red, green and blue.
// Unlike a brightness difference it also separates colours of equal brightness (green
// digits on a red field), and it grows in step with an anti-aliased fringe's coverage.
constexpr int ColourDistance(ColourPixel a, ColourPixel b) {
  int largest = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int difference =
        static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    const int magnitude = difference < 0 ? -difference : difference;
    largest = magnitude > largest ? magnitude : largest;
  }
  return largest;
}

// A pixel this far from the background or further is ink. Text is drawn with 16 levels of
// coverage; the faintest level measured under Wine lies 15 from a white field under black
// digits, 104 from a black field under green ones (light text's fringes come out
// brighter) and 7 from a grey (0x707070) panel under dark (0x101010) digits. 8 keeps every
// level but that last, whose pixels (stroke ends a sixteenth covered, 3 % of the digits'
// pixels there) carry no shape, and leaves a field that is not quite flat alone.
inline constexpr int kInkDistance = 8;

struct InkRule {
  ColourPixel background = kWhitePixel;

  // Most pixels are the background itself: those are settled by one comparison.
  bool operator()(ColourPixel pixel) const {
    return pixel != background && ColourDistance(pixel, background) >= kInkDistance;
  }
};

// Marks a pixel that must not count toward the background (under the register's caret).
// No copied pixel has it: copies carry no alpha.
inline constexpr ColourPixel kNoColour = 0xFF000000;

// Finds a region's background with a fixed table, so that a tick allocates nothing.
class BackgroundCounter {
 public:
  BackgroundCounter();

  // The most frequent colour among region's pixels other than kNoColour, the brighter one
  // of two equally frequent colours; white when there is none. Only the first kMaxColours
  // different colours are counted: a region with more is a photograph rather than text.
  ColourPixel MostFrequent(const ColourRegion& region);

  static constexpr std::size_t kMaxColours = 3072;

 private:
  static constexpr int kSlotBits = 12;
  static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;  // a quarter stays free

  void Add(ColourPixel colour, std::uint32_t count);

  std::array<ColourPixel, kSlots> colours_;
  std::array<std::uint32_t, kSlots> counts_;  // 0: the slot is free
  std::array<std::uint16_t, kMaxColours> used_;
  std::size_t used_count_ = 0;
};

}  // namespace lumo
