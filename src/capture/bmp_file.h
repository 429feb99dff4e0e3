#pragma once
// DisplayPicture as a standard Windows bitmap file: BITMAPFILEHEADER, BITMAPINFOHEADER
// (240 x 36, one bit per pixel, uncompressed, bottom-up), the colour table black then white,
// and rows padded to four bytes.
#include <array>
#include <cstddef>
#include <cstdint>

#include "capture/display_picture.h"

namespace lumo {

inline constexpr std::size_t kBmpHeaderBytes = 14 + 40 + 2 * 4;
inline constexpr std::size_t kBmpRowBytes = (kDisplayRowBytes + 3) / 4 * 4;
inline constexpr std::size_t kBmpFileBytes = kBmpHeaderBytes + kBmpRowBytes * kDisplayHeight;

using BmpFileBytes = std::array<std::uint8_t, kBmpFileBytes>;

// Fills out completely; no allocation, so a tick can keep one buffer for every send.
void EncodeBmp(const DisplayPicture& picture, BmpFileBytes& out);

}  // namespace lumo
