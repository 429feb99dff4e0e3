#include "capture/compose.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

constexpr ColourPixel kBlack = 0x000000;

ColourRegion WhiteRegion(int width, int height) {
  ColourRegion region;
  region.ResetWhite(width, height);
  return region;
}

void Paint(ColourRegion& region, int x, int y, ColourPixel colour) {
  region.pixels[static_cast<std::size_t>(y * region.width + x)] = colour;
}

// The picture as text, one line per row from x to x + width, '#' black and '.' white.
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
  int count = 0;
  for (int y = 0; y < kDisplayHeight; ++y) {
    for (int x = 0; x < kDisplayWidth; ++x) {
      count += picture.IsWhite(x, y) ? 0 : 1;
    }
  }
  return count;
}

TEST(PlaceWidth, KeepsTheRegionsProportionsAt16PixelsHigh) {
  EXPECT_EQ(PlaceWidth(60, 20), 48);
  EXPECT_EQ(PlaceWidth(100, 30), 53);
  EXPECT_EQ(PlaceWidth(16, 16), 16);
  EXPECT_EQ(PlaceWidth(1, 17), 0);
  // Right - Left of two extreme 32-bit values.
  EXPECT_EQ(PlaceWidth(4294967295, 1), 68719476720);
}

TEST(IsDark, DarkerThanMidGreyIsBlack) {
  EXPECT_TRUE(IsDark(0x000000));
  EXPECT_TRUE(IsDark(0x7F7F7F));
  EXPECT_FALSE(IsDark(0x808080));
  EXPECT_FALSE(IsDark(0xC0C0C0));  // classic dialog grey
  EXPECT_FALSE(IsDark(0xF0F0F0));  // current dialog grey
  EXPECT_FALSE(IsDark(0xFFFF00));  // yellow
  EXPECT_TRUE(IsDark(0x0000FF));   // pure blue is dark to the eye
  EXPECT_TRUE(IsDark(0xC00000));   // dark red text
  EXPECT_FALSE(IsDark(0x00FF00));  // bright green
  EXPECT_TRUE(IsDark(0x000080));   // navy selection bar
}

TEST(StretchRegion, OnePixelStrokesSurviveAStrongReduction) {
  // A 60 x 60 region scaled 16/60: every stroke is thinner than a place pixel.
  ColourRegion region = WhiteRegion(60, 60);
  for (int i = 0; i < 60; ++i) {
    Paint(region, i, 31, kBlack);    // horizontal stroke
    Paint(region, 44, i, 0x303030);  // vertical stroke, dark grey
    Paint(region, i, 50, 0xB0B0B0);  // light grey rule: no ink
  }
  DisplayPicture picture;
  StretchRegion(region, picture, 0, 0, 16, 16);
  const std::string rows = Rows(picture, 0, 0, 16, 16);
  EXPECT_EQ(rows,
            "...........#....\n"
            "...........#....\n"
            "...........#....\n"
            "...........#....\n"
            "...........#....\n"
            "...........#....\n"
            "...........#....\n"
            "...........#....\n"
            "################\n"
            "...........#....\n"
            "...........#....\n"
            "...........#....\n"
            "...........#....\n"
            "...........#....\n"
            "...........#....\n"
            "...........#....\n");
}

TEST(StretchRegion, EnlargingRepeatsPixels) {
  ColourRegion region = WhiteRegion(2, 2);
  Paint(region, 0, 0, kBlack);
  Paint(region, 1, 1, kBlack);
  DisplayPicture picture;
  StretchRegion(region, picture, 10, 4, 4, 16);
  std::string expected;
  for (int row = 0; row < 16; ++row) {
    expected += row < 8 ? "##..\n" : "..##\n";
  }
  EXPECT_EQ(Rows(picture, 10, 4, 4, 16), expected);
  EXPECT_EQ(BlackCount(picture), 32);
}

TEST(StretchRegion, DrawsWhiteOverEarlierContentAndLeavesTheRestAlone) {
  DisplayPicture picture;
  for (int y = 0; y < kDisplayHeight; ++y) {
    for (int x = 0; x < kDisplayWidth; ++x) {
      picture.SetBlack(x, y);
    }
  }
  StretchRegion(WhiteRegion(3, 3), picture, 100, 10, 16, 16);
  EXPECT_EQ(BlackCount(picture), 240 * 36 - 16 * 16);
  EXPECT_TRUE(picture.IsWhite(100, 10));
  EXPECT_TRUE(picture.IsWhite(115, 25));
  EXPECT_FALSE(picture.IsWhite(99, 10));
  EXPECT_FALSE(picture.IsWhite(116, 25));
  EXPECT_FALSE(picture.IsWhite(100, 26));
}

TEST(StretchRegion, PlacesPartlyOutsideThePictureAreClipped) {
  ColourRegion black = WhiteRegion(4, 4);
  black.pixels.assign(16, kBlack);
  struct Case {
    std::int64_t x, y, width;
    int expected_black;
  };
  for (const Case& c : std::vector<Case>{{-8, 0, 16, 8 * 16},
                                         {232, 30, 16, 8 * 6},
                                         {-100, -100, 16, 0},
                                         {240, 0, 16, 0},
                                         {-2147483648LL, 0, 2147483648LL + 10, 10 * 16},
                                         {0, 0, 68719476720LL, 240 * 16}}) {
    DisplayPicture picture;
    StretchRegion(black, picture, c.x, c.y, c.width, 16);
    EXPECT_EQ(BlackCount(picture), c.expected_black) << c.x << "," << c.y << "," << c.width;
  }
}

TEST(PlacePrompt, PaintsTheWholeCellInkBlackRestWhiteAndClips) {
  PromptMask prompt;
  prompt.Reset(3, 2);
  prompt.ink = {1, 0, 1,  //
                0, 1, 0};
  DisplayPicture picture;
  picture.SetBlack(6, 6);  // under the cell's white: painted over
  picture.SetBlack(8, 5);  // beside the cell: kept
  PlacePrompt(prompt, picture, 5, 5);
  EXPECT_EQ(Rows(picture, 4, 4, 5, 4),
            ".....\n"
            ".#.##\n"
            "..#..\n"
            ".....\n");

  DisplayPicture corner;
  PlacePrompt(prompt, corner, 238, 35);
  EXPECT_EQ(Rows(corner, 238, 35, 2, 1), "#.\n");
  PlacePrompt(prompt, corner, -1, -1);
  EXPECT_EQ(Rows(corner, 0, 0, 2, 1), "#.\n");
  EXPECT_EQ(BlackCount(corner), 2);
}

}  // namespace
}  // namespace lumo
