#include "capture/braille_picture.h"

namespace lumo {

namespace {

// The dot bit of the pixel at (column, row) inside a 2 x 4 cell, in Unicode's dot order.
constexpr unsigned kDotBits[4][2] = {{0x01, 0x08}, {0x02, 0x10}, {0x04, 0x20}, {0x40, 0x80}};

void AppendBraille(std::string& out, unsigned dots) {
  // U+2800 + dots, encoded as three UTF-8 bytes.
  out.push_back(static_cast<char>(0xE2));
  out.push_back(static_cast<char>(0xA0 | (dots >> 6)));
  out.push_back(static_cast<char>(0x80 | (dots & 0x3F)));
}

}  // namespace

std::string BraillePicture(int width, int height, const std::function<bool(int x, int y)>& black) {
  std::string out;
  for (int top = 0; top < height; top += 4) {
    for (int left = 0; left < width; left += 2) {
      unsigned dots = 0;
      for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 2; ++column) {
          const int x = left + column;
          const int y = top + row;
          if (x < width && y < height && black(x, y)) {
            dots |= kDotBits[row][column];
          }
        }
      }
      AppendBraille(out, dots);
    }
    out.push_back('\n');
  }
  return out;
}

std::string BraillePicture(const DisplayPicture& picture) {
  return BraillePicture(kDisplayWidth, kDisplayHeight,
                        [&picture](int x, int y) { return !picture.IsWhite(x, y); });
}

}  // namespace lumo
