#include "capture/colour_region.h"

#include <algorithm>

namespace lumo {

void ColourRegion::Fill(std::int64_t left, std::int64_t top, std::int64_t right,
                        std::int64_t bottom, ColourPixel colour) {
  const std::int64_t x0 = std::clamp<std::int64_t>(left, 0, width);
  const std::int64_t x1 = std::clamp<std::int64_t>(right, x0, width);
  const std::int64_t y0 = std::clamp<std::int64_t>(top, 0, height);
  const std::int64_t y1 = std::clamp<std::int64_t>(bottom, y0, height);
  for (std::int64_t y = y0; y < y1; ++y) {
    const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y * width);
    std::fill(row + static_cast<std::ptrdiff_t>(x0), row + static_cast<std::ptrdiff_t>(x1), colour);
  }
}

}  // namespace lumo
