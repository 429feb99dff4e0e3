#pragma once
// Drawing one capture action onto the display picture. Everything is clipped to the
// picture: places may lie partly or wholly outside it.
#include <cstdint>

#include "capture/colour_region.h"
#include "capture/display_picture.h"
#include "capture/prompt_mask.h"

namespace lumo {

inline constexpr int kPlaceHeight = 16;

// Width of the 16-pixel-high place for a region of width x height: (width * 16) div height,
// truncated toward zero. 64 bits: Right - Left of two 32-bit values need 33. height > 0.
std::int64_t PlaceWidth(std::int64_t width, std::int64_t height);

// Paints the prompt's cell with its top-left corner at (x, y): ink black, the rest white.
void PlacePrompt(const PromptMask& prompt, DisplayPicture& picture, std::int64_t x, std::int64_t y);

// Draws region into the place from (x, y) to (x + place_width, y + place_height).
// Each source pixel is first made black or white by IsDark. When the place is smaller than
// the region, a place pixel is black as soon as any source pixel it covers is black
// ("black wins"): a one-pixel stroke of a digit survives any reduction, where averaging
// would wash it out to white. A larger place repeats pixels.
void StretchRegion(const ColourRegion& region, DisplayPicture& picture, std::int64_t x,
                   std::int64_t y, std::int64_t place_width, std::int64_t place_height);

}  // namespace lumo
