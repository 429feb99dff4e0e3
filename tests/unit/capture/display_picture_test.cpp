#include "capture/display_picture.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(DisplayPicture, StartsWhiteAndStoresTheLeftmostPixelInTheTopBit) {
  DisplayPicture picture;
  for (int y = 0; y < kDisplayHeight; ++y) {
    for (int x = 0; x < kDisplayWidth; ++x) {
      ASSERT_TRUE(picture.IsWhite(x, y)) << x << "," << y;
    }
  }
  picture.SetBlack(0, 0);
  picture.SetBlack(15, 1);
  picture.SetBlack(239, 35);
  EXPECT_EQ(picture.Row(0)[0], 0x7F);
  EXPECT_EQ(picture.Row(1)[1], 0xFE);
  EXPECT_EQ(picture.Row(35)[29], 0xFE);
  EXPECT_FALSE(picture.IsWhite(15, 1));
  EXPECT_TRUE(picture.IsWhite(14, 1));
  EXPECT_TRUE(picture.IsWhite(16, 1));
  picture.SetWhite(15, 1);
  EXPECT_EQ(picture.Row(1)[1], 0xFF);
}

TEST(SameImage, SeesADifferenceInAnyPixelOfAnyRow) {
  const DisplayPicture white;
  EXPECT_TRUE(SameImage(white, DisplayPicture()));
  for (const auto& [x, y] : {std::pair{0, 0}, std::pair{239, 0}, std::pair{0, 35},
                             std::pair{239, 35}, std::pair{117, 18}}) {
    DisplayPicture changed;
    changed.SetBlack(x, y);
    EXPECT_FALSE(SameImage(white, changed)) << x << "," << y;
    EXPECT_FALSE(SameImage(changed, white)) << x << "," << y;
    DisplayPicture copy = changed;
    EXPECT_TRUE(SameImage(copy, changed)) << x << "," << y;
  }
}

}  // namespace
}  // namespace lumo
