#include "capture/bmp_file.h"

#include <algorithm>
#include <cstring>

namespace lumo {

namespace {

// Bitmap files are little-endian whatever the host.
std::uint8_t* PutLe(std::uint8_t* at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    *at++ = static_cast<std::uint8_t>(value >> (8 * i));
  }
  return at;
}

}  // namespace

void EncodeBmp(const DisplayPicture& picture, BmpFileBytes& out) {
  std::uint8_t* at = out.data();
  // BITMAPFILEHEADER
  *at++ = 'B';
  *at++ = 'M';
  at = PutLe(at, kBmpFileBytes, 4);
  at = PutLe(at, 0, 4);  // two reserved words
  at = PutLe(at, kBmpHeaderBytes, 4);
  // BITMAPINFOHEADER
  at = PutLe(at, 40, 4);
  at = PutLe(at, kDisplayWidth, 4);
  at = PutLe(at, kDisplayHeight, 4);  // positive: rows stored bottom-up
  at = PutLe(at, 1, 2);               // planes
  at = PutLe(at, 1, 2);               // bits per pixel
  at = PutLe(at, 0, 4);               // BI_RGB
  at = PutLe(at, kBmpRowBytes * kDisplayHeight, 4);
  at = PutLe(at, 0, 4);  // no preferred resolution
  at = PutLe(at, 0, 4);
  at = PutLe(at, 2, 4);  // colours used
  at = PutLe(at, 2, 4);  // colours important
  // Colour table as RGBQUAD (blue, green, red, reserved): index 0 black, index 1 white.
  at = PutLe(at, 0x00000000, 4);
  at = PutLe(at, 0x00FFFFFF, 4);
  for (int y = kDisplayHeight - 1; y >= 0; --y) {
    std::memcpy(at, picture.Row(y), kDisplayRowBytes);
    std::fill(at + kDisplayRowBytes, at + kBmpRowBytes, std::uint8_t{0});
    at += kBmpRowBytes;
  }
}

}  // namespace lumo
