#pragma once
// The announcer's graphic display: 240 x 36 pixels, one bit each, colour 0 black and
// colour 1 white. Rows are stored top-down, 30 bytes each, the leftmost pixel in the most
// significant bit: the layout of a one-bit bitmap row, so writing a file copies rows.
#include <array>
#include <cstddef>
#include <cstdint>

namespace lumo {

inline constexpr int kDisplayWidth = 240;
inline constexpr int kDisplayHeight = 36;
inline constexpr int kDisplayRowBytes = kDisplayWidth / 8;

class DisplayPicture {
 public:
  // Every pixel white, as both pictures are at start-up.
  DisplayPicture() { bits_.fill(0xFF); }

  bool IsWhite(int x, int y) const { return (bits_[Index(x, y)] & Mask(x)) != 0; }
  void SetBlack(int x, int y) { bits_[Index(x, y)] &= static_cast<std::uint8_t>(~Mask(x)); }
  void SetWhite(int x, int y) { bits_[Index(x, y)] |= Mask(x); }
  void Set(int x, int y, bool white) { white ? SetWhite(x, y) : SetBlack(x, y); }

  const std::uint8_t* Row(int y) const { return bits_.data() + y * kDisplayRowBytes; }

 private:
  static std::size_t Index(int x, int y) {
    return static_cast<std::size_t>(y * kDisplayRowBytes + x / 8);
  }
  static std::uint8_t Mask(int x) { return static_cast<std::uint8_t>(0x80u >> (x % 8)); }

  std::array<std::uint8_t, kDisplayRowBytes * kDisplayHeight> bits_;
};

// True when the two pictures agree in every pixel; stops at the first row that differs.
bool SameImage(const DisplayPicture& a, const DisplayPicture& b);

}  // namespace lumo
