#include "capture/compose.h"

#include <algorithm>

namespace lumo {

namespace {

// The part [from, from + length) of [0, limit) as a half-open range; empty when disjoint.
struct Span {
  std::int64_t begin;
  std::int64_t end;
};

Span Clip(std::int64_t from, std::int64_t length, std::int64_t limit) {
  const std::int64_t begin = std::clamp<std::int64_t>(from, 0, limit);
  const std::int64_t end = std::clamp<std::int64_t>(from + length, 0, limit);
  return {begin, std::max(begin, end)};
}

// Source pixels [first, last) that place pixel i of count covers out of size source pixels.
// Every place pixel covers at least one source pixel; together they cover all of them once.
Span Covered(std::int64_t i, std::int64_t count, std::int64_t size) {
  const std::int64_t first = i * size / count;
  const std::int64_t last = std::max(first + 1, (i + 1) * size / count);
  return {first, std::min(last, size)};
}

}  // namespace

std::int64_t PlaceWidth(std::int64_t width, std::int64_t height) {
  return width * kPlaceHeight / height;
}

void PlacePrompt(const PromptMask& prompt, DisplayPicture& picture, std::int64_t x,
                 std::int64_t y) {
  const Span rows = Clip(y, prompt.height, kDisplayHeight);
  const Span columns = Clip(x, prompt.width, kDisplayWidth);
  for (std::int64_t py = rows.begin; py < rows.end; ++py) {
    for (std::int64_t px = columns.begin; px < columns.end; ++px) {
      const bool ink = prompt.InkAt(static_cast<int>(px - x), static_cast<int>(py - y));
      picture.Set(static_cast<int>(px), static_cast<int>(py), !ink);
    }
  }
}

void StretchRegion(const ColourRegion& region, DisplayPicture& picture, std::int64_t x,
                   std::int64_t y, std::int64_t place_width, std::int64_t place_height) {
  if (region.width <= 0 || region.height <= 0 || place_width <= 0 || place_height <= 0) {
    return;
  }
  const Span rows = Clip(y, place_height, kDisplayHeight);
  const Span columns = Clip(x, place_width, kDisplayWidth);
  for (std::int64_t py = rows.begin; py < rows.end; ++py) {
    const Span source_rows = Covered(py - y, place_height, region.height);
    for (std::int64_t px = columns.begin; px < columns.end; ++px) {
      const Span source_columns = Covered(px - x, place_width, region.width);
      bool dark = false;
      for (std::int64_t sy = source_rows.begin; sy < source_rows.end && !dark; ++sy) {
        for (std::int64_t sx = source_columns.begin; sx < source_columns.end && !dark; ++sx) {
          dark = IsDark(region.At(static_cast<int>(sx), static_cast<int>(sy)));
        }
      }
      picture.Set(static_cast<int>(px), static_cast<int>(py), !dark);
    }
  }
}

}  // namespace lumo
