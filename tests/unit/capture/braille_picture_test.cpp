#include <gtest/gtest.h>

#include "capture/braille_picture.h"

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

}  // namespace
}  // namespace lumo
