#include "platform/win_dib_surface.h"

namespace lumo {

DibSurface::~DibSurface() {
  Release();
}

void DibSurface::Release() {
  if (dc_ != nullptr) {
    if (original_ != nullptr) {
      SelectObject(dc_, original_);
    }
    DeleteDC(dc_);
  }
  if (bitmap_ != nullptr) {
    DeleteObject(bitmap_);
  }
  dc_ = nullptr;
  bitmap_ = nullptr;
  original_ = nullptr;
  bits_ = nullptr;
  width_ = 0;
  height_ = 0;
}

bool DibSurface::Reserve(int width, int height) {
  if (dc_ != nullptr && width <= width_ && height <= height_) {
    return true;
  }
  const int new_width = width > width_ ? width : width_;
  const int new_height = height > height_ ? height : height_;
  Release();
  dc_ = CreateCompatibleDC(nullptr);
  if (dc_ == nullptr) {
    return false;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = new_width;
  info.bmiHeader.biHeight = -new_height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap_ == nullptr || bits == nullptr) {
    Release();
    return false;
  }
  original_ = SelectObject(dc_, bitmap_);
  bits_ = static_cast<std::uint32_t*>(bits);
  width_ = new_width;
  height_ = new_height;
  return true;
}

void DibSurface::FillWhite(int width, int height) const {
  PatBlt(dc_, 0, 0, width, height, WHITENESS);
}

}  // namespace lumo
