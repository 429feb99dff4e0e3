#include <gtest/gtest.h>

#include "capture/bmp_file.h"
#include "capture/braille_picture.h"
#include "capture/display_picture.h"
#include "capture/random_pick.h"

namespace lumo {
namespace {

TEST(BraillePicture, ShowsEachPixelAsItsOwnDot) {
  // 3 x 5: the last column and row fill cells of their own, their outside pixels white.
  const char* rows[] = {"X.X", ".X.", "X..", "..X", "XXX"};
  const std::string text =
      BraillePicture(3, 5, [&rows](int x, int y) { return rows[y][x] == 'X'; });
  // Cells: dots 1,3,5 (0x15) and 1,7 (0x41); then dots 1,4 (0x09) and 1 (0x01).
  EXPECT_EQ(text, "\u2815\u2841\n\u2809\u2801\n");

  DisplayPicture picture;
  picture.SetBlack(239, 35);
  const std::string display = BraillePicture(picture);
  EXPECT_EQ(display.size(), 9u * (120u * 3u + 1u));
  EXPECT_EQ(display.substr(display.size() - 4), "\u2880\n");
}

TEST(SameImage, SeesADifferenceInAnyPixelOfAnyRow) {
  const DisplayPicture white;
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{239, 0}, std::pair{0, 35},
                             std::pair{239, 35}, std::pair{117, 18}}) {
    DisplayPicture changed;
    changed.SetBlack(x, y);
    EXPECT_FALSE(SameImage(white, changed)) << x << "," << y;
    EXPECT_TRUE(SameImage(DisplayPicture(changed), changed));
  }
}

std::uint32_t Le(const BmpFileBytes& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  }
  return value;
}

TEST(EncodeBmp, WritesAOneBit240By36BottomUpFileWithPaddedRows) {
  DisplayPicture picture;
  picture.SetBlack(0, 0);
  picture.SetBlack(239, 35);
  picture.SetBlack(9, 1);
  BmpFileBytes bytes;
  bytes.fill(0xAA);  // every byte must be written, padding included
  EncodeBmp(picture, bytes);

  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  // File size, reserved, data offset, header size, width, height (positive: bottom-up),
  // planes, bits per pixel, BI_RGB, image size, colours used.
  const std::uint32_t fields[][3] = {{2, 4, 1214}, {6, 4, 0},     {10, 4, 62}, {14, 4, 40},
                                     {18, 4, 240}, {22, 4, 36},   {26, 2, 1},  {28, 2, 1},
                                     {30, 4, 0},   {34, 4, 1152}, {46, 4, 2}};
  for (const auto& field : fields) {
    EXPECT_EQ(Le(bytes, field[0], static_cast<int>(field[1])), field[2]) << "at " << field[0];
  }
  EXPECT_EQ(Le(bytes, 54, 4), 0x00000000u);  // colour 0 black
  EXPECT_EQ(Le(bytes, 58, 4), 0x00FFFFFFu);  // colour 1 white
  const auto row_at = [](int y) { return 62 + static_cast<std::size_t>(35 - y) * 32; };
  EXPECT_EQ(bytes[62 + 29], 0xFE);  // the bottom row comes first
  EXPECT_EQ(bytes[row_at(0)], 0x7F);
  EXPECT_EQ(bytes[row_at(1) + 1], 0xBF);
  for (int y = 0; y < 36; ++y) {
    EXPECT_EQ(bytes[row_at(y) + 30] | bytes[row_at(y) + 31], 0) << y;
  }
}

TEST(PickIndex, NeighbouringSeedsSpreadEvenlyOverTheIndices) {
  // Counter readings a tick apart are the typical seeds.
  for (const std::size_t count : {std::size_t{1}, std::size_t{3}, std::size_t{7}}) {
    std::vector<int> hits(count, 0);
    for (std::uint64_t seed = 0; seed < 21000; ++seed) {
      const std::size_t index = PickIndex(123456789u + seed, count);
      ASSERT_LT(index, count);
      ++hits[index];
    }
    for (const int hit : hits) {
      EXPECT_NEAR(hit, 21000.0 / static_cast<double>(count), 1260.0 / static_cast<double>(count));
    }
  }
}

}  // namespace
}  // namespace lumo
