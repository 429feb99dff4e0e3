#pragma once
// A prompt text as the platform renders it: the text cell of width x height pixels, with
// ink where a glyph covers a pixel. Placing it paints the whole cell, so the text lands
// black on an opaque white background.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lumo {

struct PromptMask {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> ink;  // top-down rows, 1 = glyph pixel

  void Reset(int new_width, int new_height) {
    width = new_width;
    height = new_height;
    ink.assign(static_cast<std::size_t>(new_width) * static_cast<std::size_t>(new_height), 0);
  }
  bool InkAt(int x, int y) const {
    return ink[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x)] != 0;
  }
};

}  // namespace lumo
