#include "capture/bmp_file.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace lumo {
namespace {

std::uint32_t Le(const BmpFileBytes& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  }
  return value;
}

class BmpFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    picture.SetBlack(0, 0);     // top-left
    picture.SetBlack(239, 35);  // bottom-right
    picture.SetBlack(9, 1);
    bytes.fill(0xAA);  // the encoder must write every byte, padding included
    EncodeBmp(picture, bytes);
  }
  // Offset of picture row y in the file: rows are stored bottom-up, 32 bytes each.
  static std::size_t RowAt(int y) { return 62 + static_cast<std::size_t>(35 - y) * 32; }

  DisplayPicture picture;
  BmpFileBytes bytes{};
};

TEST_F(BmpFileTest, HeadersDescribeAnUncompressedOneBit240By36BottomUpPicture) {
  EXPECT_EQ(bytes.size(), 1214u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(Le(bytes, 2, 4), 1214u);   // file size
  EXPECT_EQ(Le(bytes, 6, 4), 0u);      // reserved
  EXPECT_EQ(Le(bytes, 10, 4), 62u);    // pixel data offset
  EXPECT_EQ(Le(bytes, 14, 4), 40u);    // BITMAPINFOHEADER
  EXPECT_EQ(Le(bytes, 18, 4), 240u);   // width
  EXPECT_EQ(Le(bytes, 22, 4), 36u);    // height, positive: bottom-up
  EXPECT_EQ(Le(bytes, 26, 2), 1u);     // planes
  EXPECT_EQ(Le(bytes, 28, 2), 1u);     // bits per pixel
  EXPECT_EQ(Le(bytes, 30, 4), 0u);     // BI_RGB
  EXPECT_EQ(Le(bytes, 34, 4), 1152u);  // image size: 36 rows of 32 bytes
  EXPECT_EQ(Le(bytes, 46, 4), 2u);     // colours used
}

TEST_F(BmpFileTest, ColourTableIsBlackThenWhite) {
  const std::uint8_t table[8] = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(bytes[54 + i], table[i]) << i;
  }
}

TEST_F(BmpFileTest, RowsAreBottomUpAndPaddedWithZeros) {
  EXPECT_EQ(bytes[RowAt(0)], 0x7F);
  EXPECT_EQ(bytes[RowAt(35) + 29], 0xFE);
  EXPECT_EQ(bytes[RowAt(1) + 1], 0xBF);
  EXPECT_EQ(RowAt(35), 62u);  // the bottom row comes first
  for (int y = 0; y < 36; ++y) {
    EXPECT_EQ(bytes[RowAt(y) + 30], 0) << y;
    EXPECT_EQ(bytes[RowAt(y) + 31], 0) << y;
    for (std::size_t i = 0; i < 30; ++i) {
      EXPECT_EQ(bytes[RowAt(y) + i], picture.Row(y)[i]) << y << "," << i;
    }
  }
}

}  // namespace
}  // namespace lumo
