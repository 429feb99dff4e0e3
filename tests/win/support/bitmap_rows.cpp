#include "support/bitmap_rows.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace lumo::test {

std::string BitmapRows(const std::string& path) {
  const auto bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  BITMAP info{};
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) == 0 || info.bmBitsPixel != 1) {
    if (bitmap != nullptr) {
      DeleteObject(bitmap);
    }
    return "not a one-bit bitmap";
  }
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(request.bmiHeader);
  request.bmiHeader.biWidth = info.bmWidth;
  request.bmiHeader.biHeight = -info.bmHeight;  // top-down
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth * info.bmHeight));
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &request,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  std::string rows;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    rows += (pixels[i] & 0xFFFFFF) == 0xFFFFFF ? '.' : '#';
    rows += (i + 1) % static_cast<std::size_t>(info.bmWidth) == 0 ? "\n" : "";
  }
  return rows;
}

}  // namespace lumo::test
