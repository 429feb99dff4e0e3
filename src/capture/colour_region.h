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

// True for a colour darker than mid-grey (brightness below 128 of 255), weighting the
// channels as the eye does, so dark text on any light background stays readable.
constexpr bool IsDark(ColourPixel pixel) {
  const std::uint32_t red = (pixel >> 16) & 0xFF;
  const std::uint32_t green = (pixel >> 8) & 0xFF;
  const std::uint32_t blue = pixel & 0xFF;
  return 299 * red + 587 * green + 114 * blue < 128 * 1000;
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
  ColourPixel At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

}  // namespace lumo
