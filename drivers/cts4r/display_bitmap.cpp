#include "display_bitmap.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace lumo::cts4r {

namespace {

// The bitmap's pixels as 32-bit BGRX values, rows from the top.
bool ReadPixels(const std::string& path, int& width, int& height,
                std::vector<std::uint32_t>& pixels) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (bitmap == nullptr) {
    return false;
  }
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  width = info.bmWidth;
  height = std::abs(info.bmHeight);
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = width;
  request.bmiHeader.biHeight = -height;  // top-down
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  HDC screen = GetDC(nullptr);
  const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &request,
                             DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  return rows == height;
}

bool IsDark(std::uint32_t bgrx) {
  const std::uint32_t blue = bgrx & 0xFF;
  const std::uint32_t green = (bgrx >> 8) & 0xFF;
  const std::uint32_t red = (bgrx >> 16) & 0xFF;
  return red * 299 + green * 587 + blue * 114 < 128 * 1000;
}

}  // namespace

bool LoadDisplayPicture(const std::string& path, std::int32_t x, std::int32_t y,
                        const std::int32_t* rect, DisplayPicture& picture) {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  if (!ReadPixels(path, width, height, pixels)) {
    return false;
  }
  int left = 0;
  int top = 0;
  int right = kDisplayWidth - 1;
  int bottom = kDisplayHeight - 1;
  if (rect != nullptr) {
    left = std::max(left, rect[0]);
    top = std::max(top, rect[1]);
    right = std::min(right, rect[2]);
    bottom = std::min(bottom, rect[3]);
  }
  picture = DisplayPicture();
  for (int row = top; row <= bottom; ++row) {
    for (int column = left; column <= right; ++column) {
      const std::int64_t source_x = std::int64_t{column} - x;
      const std::int64_t source_y = std::int64_t{row} - y;
      if (source_x >= 0 && source_x < width && source_y >= 0 && source_y < height &&
          IsDark(pixels[static_cast<std::size_t>(source_y * width + source_x)])) {
        picture.SetBlack(column, row);
      }
    }
  }
  return true;
}

}  // namespace lumo::cts4r
