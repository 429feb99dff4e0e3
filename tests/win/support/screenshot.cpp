#include "support/screenshot.h"

#include <cstdint>

#include "support/process.h"

namespace lumo::test {

namespace {

// Top-down 32-bit pixels of a bitmap.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap, int width, int height) {
  BITMAPINFO request{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height));
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &request, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// '#' where dark holds for the pixel, '.' elsewhere.
template <typename Dark>
std::vector<std::string> Rows(const std::vector<std::uint32_t>& pixels, int width, Dark dark) {
  std::vector<std::string> rows(pixels.size() / width, std::string(width, '.'));
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    if (dark(pixels[i] & 0xFFFFFF)) {
      rows[i / width][i % width] = '#';
    }
  }
  return rows;
}

}  // namespace

std::vector<std::string> BitmapRows(const std::string& path) {
  const auto bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  BITMAP info{};
  std::vector<std::string> rows;
  if (bitmap != nullptr && GetObjectA(bitmap, sizeof info, &info) != 0 && info.bmBitsPixel == 1) {
    rows = Rows(Pixels(bitmap, info.bmWidth, info.bmHeight), info.bmWidth,
                [](std::uint32_t pixel) { return pixel != 0xFFFFFF; });
  }
  DeleteObject(bitmap);
  return rows;
}

std::vector<std::string> Screenshot(HWND window, const std::string& name) {
  RECT r{};
  GetClientRect(window, &r);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, r.right, r.bottom, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  const std::vector<std::uint32_t> pixels = Pixels(bitmap, r.right, r.bottom);
  DeleteObject(bitmap);

  // The file, top-down 32-bit; beside the bin folder.
  BITMAPINFOHEADER header{sizeof header, r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof file + sizeof header};
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size() * 4);
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
  bytes.append(reinterpret_cast<const char*>(pixels.data()), pixels.size() * 4);
  std::string dir = BinDir();
  dir = dir.substr(0, dir.find_last_of('\\', dir.size() - 2) + 1) + "screenshots\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  WriteFile(dir + name + ".bmp", bytes);

  return Rows(pixels, r.right, [](std::uint32_t p) {
    return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 128;
  });
}

}  // namespace lumo::test
