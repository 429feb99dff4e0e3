#include "capture/compose.h"

#include "capture/ink_rule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace lumo {
namespace {

// The picture as text, one line per row, '#' black and '.' white.
std::string Rows(const DisplayPicture& picture, int x, int y, int width, int height) {
  std::string text;
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) {
      text += picture.IsWhite(column, row) ? '.' : '#';
    }
    text += '\n';
  }
  return text;
}

int BlackCount(const DisplayPicture& picture) {
  const std::string rows = Rows(picture, 0, 0, 240, 36);
  return static_cast<int>(std::count(rows.begin(), rows.end(), '#'));
}

TEST(PlaceWidth, KeepsTheRegionsProportionsAt16PixelsHigh) {
  EXPECT_EQ(PlaceWidth(60, 20), 48);
  EXPECT_EQ(PlaceWidth(100, 30), 53);
  EXPECT_EQ(PlaceWidth(1, 17), 0);
  EXPECT_EQ(PlaceWidth(4294967295, 1), 68719476720);  // Right - Left of extreme values
}

TEST(StretchRegion, OnePixelStrokesSurviveAReductionAndEnlargingRepeatsPixels) {
  ColourRegion region;
  region.ResetWhite(60, 60);  // scaled 16/60: every stroke is thinner than a place pixel
  for (std::size_t i = 0; i < 60; ++i) {
    region.pixels[31 * 60 + i] = 0x000000;  // horizontal stroke
    region.pixels[i * 60 + 44] = 0x303030;  // vertical stroke, dark grey
  }
  DisplayPicture picture;
  StretchRegion(region, {60, 60, 0, 0}, InkRule{}, picture, {0, 0, 16, 16});
  std::string expected;
  for (int row = 0; row < 16; ++row) {
    expected += row == 8 ? "################\n" : "...........#....\n";
  }
  EXPECT_EQ(Rows(picture, 0, 0, 16, 16), expected);

  region.ResetWhite(2, 2);
  region.pixels = {0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000};
  StretchRegion(region, {2, 2, 0, 0}, InkRule{}, picture, {100, 4, 4, 16});
  expected.clear();
  for (int row = 0; row < 16; ++row) {
    expected += row < 8 ? "##..\n" : "..##\n";
  }
  EXPECT_EQ(Rows(picture, 100, 4, 4, 16), expected);
  EXPECT_EQ(BlackCount(picture), 31 + 32);
}

TEST(StretchRegion, PlacesOutsideThePictureAreClipped) {
  ColourRegion black;
  black.ResetWhite(4, 4);
  black.pixels.assign(16, 0x000000);
  struct Case {
    std::int64_t x, y, width;
    int expected_black;
  };
  for (const Case& c : {Case{-8, 0, 16, 8 * 16}, Case{232, 30, 16, 8 * 6}, Case{-100, -100, 16, 0},
                        Case{240, 0, 16, 0}, Case{-2147483648LL, 0, 2147483648LL + 10, 10 * 16},
                        Case{0, 0, 68719476720LL, 240 * 16}}) {
    DisplayPicture picture;
    StretchRegion(black, {4, 4, 0, 0}, InkRule{}, picture, {c.x, c.y, c.width, 16});
    EXPECT_EQ(BlackCount(picture), c.expected_black) << c.x << "," << c.y << "," << c.width;
  }
}

TEST(PlacePrompt, PaintsTheWholeCellInkBlackRestWhiteAndClips) {
  PromptMask prompt;
  prompt.Reset(3, 2);
  prompt.ink = {1, 0, 1, 0, 1, 0};
  DisplayPicture picture;
  picture.SetBlack(6, 6);  // under the cell: painted white
  picture.SetBlack(8, 5);  // beside the cell: kept
  PlacePrompt(prompt, picture, 5, 5);
  EXPECT_EQ(Rows(picture, 4, 4, 5, 4), ".....\n.#.##\n..#..\n.....\n");

  DisplayPicture corner;
  PlacePrompt(prompt, corner, 238, 35);
  PlacePrompt(prompt, corner, -1, -1);
  EXPECT_EQ(Rows(corner, 238, 35, 2, 1) + Rows(corner, 0, 0, 2, 1), "#.\n#.\n");
  EXPECT_EQ(BlackCount(corner), 2);
}

}  // namespace
}  // namespace lumo
