#pragma once
// Drawing one capture action onto the display picture. Everything is clipped to the
// picture: places may lie partly or wholly outside it.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "capture/colour_region.h"
#include "capture/display_picture.h"
#include "capture/prompt_mask.h"

namespace lumo {

inline constexpr int kPlaceHeight = 16;

// Regions above this many pixels (a 4K screen has about 8.3 million) are not copied: they
// are drawn as a white block, as a failed copy is.
inline constexpr std::int64_t kMaxRegionPixels = std::int64_t{1} << 24;

// True for a region of width x height (both positive, each below 2^33) that may be copied.
// Divided, not multiplied: the product of two such sizes does not fit in 64 bits.
constexpr bool CopyableRegion(std::int64_t width, std::int64_t height) {
  return width <= kMaxRegionPixels / height;
}

// Width of the 16-pixel-high place for a region of width x height: (width * 16) div height,
// truncated toward zero. 64 bits: Right - Left of two 32-bit values need 33. height > 0.
std::int64_t PlaceWidth(std::int64_t width, std::int64_t height);

// Paints the prompt's cell with its top-left corner at (x, y): ink black, the rest white.
void PlacePrompt(const PromptMask& prompt, DisplayPicture& picture, std::int64_t x, std::int64_t y);

// A region of width x height pixels of which only a part was copied, the part's top-left
// corner at (part_x, part_y) of the region; every pixel outside the part is white.
struct RegionFrame {
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::int64_t part_x = 0;
  std::int64_t part_y = 0;
};

// Where a region goes on the picture.
struct Place {
  std::int64_t x = 0;
  std::int64_t y = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
};

namespace compose_detail {

// A half-open range [begin, end); empty when end <= begin.
struct Span {
  std::int64_t begin;
  std::int64_t end;
};

// The part [from, from + length) of [0, limit).
inline Span Clip(std::int64_t from, std::int64_t length, std::int64_t limit) {
  const std::int64_t begin = std::clamp<std::int64_t>(from, 0, limit);
  const std::int64_t end = std::clamp<std::int64_t>(from + length, 0, limit);
  return {begin, std::max(begin, end)};
}

// Source pixels that place pixel i of count covers out of size source pixels, moved by
// -offset and cut to [0, limit). Every place pixel covers at least one source pixel;
// together they cover all of them once. i * size stays within 64 bits for a copyable
// region: i < count <= 16 * 2^24 and size <= 2^24.
inline Span Covered(std::int64_t i, std::int64_t count, std::int64_t size, std::int64_t offset,
                    std::int64_t limit) {
  const std::int64_t first = i * size / count;
  const std::int64_t last = std::min(std::max(first + 1, (i + 1) * size / count), size);
  return {std::max<std::int64_t>(first - offset, 0), std::min(last - offset, limit)};
}

}  // namespace compose_detail

// Draws the region, of which part holds the copied pixels, into place. A pixel is black
// when is_ink says so. When the place is smaller than the region, a place pixel is black as
// soon as any source pixel it covers is ("black wins"): a one-pixel stroke of a digit
// survives any reduction, where averaging would wash it out to white. A larger place
// repeats pixels. A region too large to copy is drawn white.
template <typename IsInk>
void StretchRegion(const ColourRegion& part, const RegionFrame& frame, const IsInk& is_ink,
                   DisplayPicture& picture, const Place& place) {
  using compose_detail::Clip;
  using compose_detail::Covered;
  using compose_detail::Span;
  if (frame.width <= 0 || frame.height <= 0 || place.width <= 0 || place.height <= 0) {
    return;
  }
  const bool has_part =
      part.width > 0 && part.height > 0 && CopyableRegion(frame.width, frame.height);
  const Span rows = Clip(place.y, place.height, kDisplayHeight);
  const Span columns = Clip(place.x, place.width, kDisplayWidth);
  // The source columns of each place column, worked out once rather than on every row.
  std::array<Span, kDisplayWidth> source_columns{};
  for (std::int64_t px = columns.begin; px < columns.end && has_part; ++px) {
    source_columns[static_cast<std::size_t>(px)] =
        Covered(px - place.x, place.width, frame.width, frame.part_x, part.width);
  }
  for (std::int64_t py = rows.begin; py < rows.end; ++py) {
    const Span source_rows =
        has_part ? Covered(py - place.y, place.height, frame.height, frame.part_y, part.height)
                 : Span{0, 0};
    for (std::int64_t px = columns.begin; px < columns.end; ++px) {
      const Span& source = source_columns[static_cast<std::size_t>(px)];
      bool ink = false;
      for (std::int64_t sy = source_rows.begin; sy < source_rows.end && !ink; ++sy) {
        const ColourPixel* row = part.pixels.data() + sy * part.width;
        for (std::int64_t sx = source.begin; sx < source.end && !ink; ++sx) {
          ink = is_ink(row[sx]);
        }
      }
      picture.Set(static_cast<int>(px), static_cast<int>(py), !ink);
    }
  }
}

}  // namespace lumo
