#pragma once
// A 32-bit top-down DIB section selected into its own memory DC: GDI draws into it and the
// pixels are read straight from memory, in full colour (0x00RRGGBB).
#include <windows.h>

#include <cstdint>

namespace lumo {

class DibSurface {
 public:
  DibSurface() = default;
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;
  ~DibSurface();

  // Makes the surface at least width x height, keeping it when it is large enough already.
  // False when GDI refuses the memory DC or the bitmap.
  bool Reserve(int width, int height);

  HDC Dc() const { return dc_; }
  // Pixel row y of the surface. Call GdiFlush after drawing and before reading.
  const std::uint32_t* Row(int y) const { return bits_ + static_cast<std::ptrdiff_t>(y) * width_; }
  void FillWhite(int width, int height) const;

 private:
  void Release();

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ original_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace lumo
