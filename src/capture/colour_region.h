#pragma once
// A rectangle copied out of the register window in full colour, before it is reduced to
// black and white.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumo {

// 0x00RRGGBB, the layout of a 32-bit top-down DIB section pixel.
using ColourPixel = std::uint32_t;

inline constexpr ColourPixel kWhitePixel = 0x00FFFFFF;

// Brightness in thousandths of a channel step (0 to 255,000), weighting the channels as
// the eye does.
constexpr std::uint32_t Brightness(ColourPixel pixel) {
  return 299 * ((pixel >> 16) & 0xFF) + 587 * ((pixel >> 8) & 0xFF) + 114 * (pixel & 0xFF);
}

struct ColourRegion {
  int width = 0;
  int height = 0;
  std::vector<ColourPixel> pixels;  // top-down rows of width pixels

  // Resizes to width x height, every pixel white; keeps the storage of earlier, larger
  // regions so that a tick allocates only when a region outgrows every earlier one.
  void ResetWhite(int new_width, int new_height) {
    width = new_width;
    height = new_height;
    pixels.assign(static_cast<std::size_t>(new_width) * static_cast<std::size_t>(new_height),
                  kWhitePixel);
  }
  // Sets the pixels of [left, right) x [top, bottom) that lie inside the region.
  void Fill(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
            ColourPixel colour);
  ColourPixel At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

}  // namespace lumo
