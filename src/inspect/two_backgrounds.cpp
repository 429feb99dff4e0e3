#include "inspect/two_backgrounds.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "capture/ink_rule.h"

namespace lumo {

namespace {

constexpr int kFlatShareDivisor = 5;

std::string Hex(ColourPixel colour) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string text = "0x";
  for (int shift = 20; shift >= 0; shift -= 4) {
    text.push_back(kDigits[(colour >> shift) & 0xF]);
  }
  return text;
}

bool Flat(const ColourRegion& region, int x, int y) {
  const ColourPixel colour = region.At(x, y);
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (region.At(x + dx, y + dy) != colour) {
        return false;
      }
    }
  }
  return true;
}

}  // namespace

std::optional<SecondBackground> FindSecondBackground(const ColourRegion& region) {
  if (region.width < 3 || region.height < 3) {
    return std::nullopt;
  }
  // Lumo's own counter, so that the background is the one the tick takes.
  const auto counter = std::make_unique<BackgroundCounter>();
  const InkRule ink{counter->MostFrequent(region)};
  std::int64_t background_pixels = 0;
  std::unordered_map<ColourPixel, std::int64_t> flat;
  for (int y = 0; y < region.height; ++y) {
    for (int x = 0; x < region.width; ++x) {
      const ColourPixel colour = region.At(x, y);
      background_pixels += colour == ink.background ? 1 : 0;
      if (ink(colour) && colour != kNoColour && x > 0 && y > 0 && x + 1 < region.width &&
          y + 1 < region.height && Flat(region, x, y)) {
        ++flat[colour];
      }
    }
  }
  const std::int64_t all = std::int64_t{region.width} * region.height;
  SecondBackground found;
  std::int64_t most = 0;
  for (const auto& [colour, count] : flat) {
    if (count > most || (count == most && colour > found.other)) {
      most = count;
      found.other = colour;
    }
  }
  if (most * kFlatShareDivisor < all) {
    return std::nullopt;
  }
  found.background = ink.background;
  found.background_percent = static_cast<int>(background_pixels * 100 / all);
  found.other_flat_percent = static_cast<int>(most * 100 / all);
  found.distance = ColourDistance(found.background, found.other);
  return found;
}

std::string SecondBackgroundWarning(const SecondBackground& found) {
  return "spans two backgrounds: Lumo takes " + Hex(found.background) + " (" +
         std::to_string(found.background_percent) + " % of the region) as its background, and " +
         Hex(found.other) + ", a flat field over " + std::to_string(found.other_flat_percent) +
         " % of it,\n    lies " + std::to_string(found.distance) + " from it (" +
         std::to_string(kInkDistance) +
         " or more is ink): that field comes out as a black block, with any text on "
         "it.\n    Narrow the region to one background, such as a control's client area (the "
         "stub of --sdf).\n";
}

}  // namespace lumo
