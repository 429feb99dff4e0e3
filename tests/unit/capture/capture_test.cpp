// The capture: the display picture and what is drawn onto it (ink, stretched regions,
// prompts), its forms as a BMP file and as Braille text, and the capture tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "capture/bmp_file.h"
#include "capture/braille_picture.h"
#include "capture/compose.h"
#include "capture/ink_rule.h"
#include "capture/random_pick.h"
#include "capture/screen_capture.h"
#include "fakes/machine.h"

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

int BlackCount(const DisplayPicture& picture, int x = 0, int y = 0, int width = 240,
               int height = 36) {
  const std::string rows = Rows(picture, x, y, width, height);
  return static_cast<int>(std::count(rows.begin(), rows.end(), '#'));
}

TEST(InkRule, InkIsWhatStandsOutFromTheRegionsMostFrequentColour) {
  // A region as one character per pixel from the palette, "/" between rows, and the pixels
  // that must come out as ink ('#').
  const struct {
    std::map<char, ColourPixel> palette;
    std::string pixels, ink;
  } cases[] = {
      // Dark on light: fringe 8 differs enough to be ink, fringe 7 does not.
      {{{'w', 0xFFFFFF}, {'k', 0x000000}, {'8', 0xF7F7F7}, {'7', 0xF8F8F8}, {'g', 0x808080}},
       "wwwwww/w8kk7w/wwgwww",
       "....../.###../..#..."},
      // Green digits on black; a fringe counts whichever channel it differs in.
      {{{'k', 0x000000}, {'G', 0x40FF40}, {'r', 0x080000}, {'b', 0x000008}, {'n', 0x070707}},
       "kkkkk/kGrGk/kbnkk",
       "...../.###./.#..."},
      // A panel darker than mid-grey: darker and lighter pixels alike stand out.
      {{{'m', 0x707070}, {'d', 0x101010}, {'8', 0x686868}, {'7', 0x696969}, {'l', 0x787878}},
       "mmmmmm/md8d7m/mmlmmm",
       "....../.###../..#..."},
      {{{'s', 0x3366CC}}, "ssssss", "......"},
      // Equal counts go to the brighter colour, whichever comes first.
      {{{'b', 0x0000FF}, {'g', 0x00FF00}}, "bbgggbbg", "##...##."},
      {{{'b', 0x0000FF}, {'g', 0x00FF00}, {'r', 0xFF0000}}, "bgrrgb", "#.##.#"}};
  BackgroundCounter counter;  // one for all: nothing of a region may stay for the next
  for (const auto& [palette, pixels, expected] : cases) {
    std::string flat = pixels;
    std::erase(flat, '/');
    const std::size_t width = std::min(pixels.find('/'), pixels.size());
    ColourRegion region;
    region.ResetWhite(static_cast<int>(width), static_cast<int>(flat.size() / width));
    std::transform(flat.begin(), flat.end(), region.pixels.begin(),
                   [&](char pixel) { return palette.at(pixel); });
    const InkRule rule{counter.MostFrequent(region)};
    std::string ink = pixels;
    for (char& pixel : ink) {
      pixel = pixel == '/' ? '/' : rule(palette.at(pixel)) ? '#' : '.';
    }
    EXPECT_EQ(ink, expected) << pixels;
  }
}

TEST(StretchRegion, KeepsProportionsAndOnePixelStrokesAndClipsToThePicture) {
  EXPECT_EQ(PlaceWidth(60, 20), 48);
  EXPECT_EQ(PlaceWidth(100, 30), 53);
  EXPECT_EQ(PlaceWidth(1, 17), 0);
  EXPECT_EQ(PlaceWidth(4294967295, 1), 68719476720);  // Right - Left of extreme values
  ColourRegion region;
  region.ResetWhite(60, 60);             // scaled 16/60: every stroke is thinner than a place pixel
  region.Fill(0, 31, 60, 32, 0x000000);  // horizontal stroke
  region.Fill(44, 0, 45, 60, 0x303030);  // vertical stroke, dark grey
  DisplayPicture picture;
  StretchRegion(region, {60, 60, 0, 0}, InkRule{}, picture, {0, 0, 16, 16});
  // Row 8 and column 11 wholly black, nothing else.
  EXPECT_EQ(BlackCount(picture, 0, 8, 16, 1) + BlackCount(picture, 11, 0, 1, 16), 32);
  EXPECT_EQ(BlackCount(picture), 31);
  // Enlarging repeats pixels.
  region.ResetWhite(2, 2);
  region.pixels = {0x000000, 0xFFFFFF, 0xFFFFFF, 0x000000};
  StretchRegion(region, {2, 2, 0, 0}, InkRule{}, picture, {100, 4, 4, 16});
  EXPECT_EQ(BlackCount(picture, 100, 4, 2, 8) + BlackCount(picture, 102, 12, 2, 8), 32);
  EXPECT_EQ(BlackCount(picture), 31 + 32);

  region.ResetWhite(4, 4);
  region.pixels.assign(16, 0x000000);
  const std::int64_t clipped[][4] = {{-8, 0, 16, 8 * 16},
                                     {232, 30, 16, 8 * 6},
                                     {-100, -100, 16, 0},
                                     {240, 0, 16, 0},
                                     {INT32_MIN, 0, 2147483648LL + 10, 10 * 16},
                                     {0, 0, 68719476720LL, 240 * 16}};
  for (const auto& [x, y, width, black] : clipped) {
    DisplayPicture place;
    StretchRegion(region, {4, 4, 0, 0}, InkRule{}, place, {x, y, width, 16});
    EXPECT_EQ(BlackCount(place), black) << x << "," << y << "," << width;
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

TEST(DisplayPicture, BrailleShowsEachPixelAsItsOwnDotAndAnyPixelMakesADifference) {
  // 3 x 5: the last column and row fill cells of their own, their outside pixels white.
  // Cells: dots 1,3,5 (0x15) and 1,7 (0x41); then dots 1,4 (0x09) and 1 (0x01).
  const char* rows[] = {"X.X", ".X.", "X..", "..X", "XXX"};
  EXPECT_EQ(BraillePicture(3, 5, [&rows](int x, int y) { return rows[y][x] == 'X'; }),
            "\u2815\u2841\n\u2809\u2801\n");
  const DisplayPicture white;
  const int points[][2] = {{0, 0}, {239, 0}, {0, 35}, {239, 35}, {117, 18}};
  for (const auto& [x, y] : points) {
    DisplayPicture changed;
    changed.SetBlack(x, y);
    EXPECT_FALSE(SameImage(white, changed)) << x << "," << y;
    EXPECT_TRUE(SameImage(DisplayPicture(changed), changed));
    if (x == 239 && y == 35) {
      const std::string display = BraillePicture(changed);
      EXPECT_EQ(display.size(), 9u * (120u * 3u + 1u));
      EXPECT_EQ(display.substr(display.size() - 4), "\u2880\n");
    }
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
  // "BM", file size, reserved, data offset, header size, width, height (positive: bottom-up),
  // planes, bits per pixel, BI_RGB, image size, colours used, black and white.
  const std::uint32_t fields[][3] = {{0, 2, 0x4D42}, {2, 4, 1214},       {6, 4, 0},     {10, 4, 62},
                                     {14, 4, 40},    {18, 4, 240},       {22, 4, 36},   {26, 2, 1},
                                     {28, 2, 1},     {30, 4, 0},         {34, 4, 1152}, {46, 4, 2},
                                     {54, 4, 0},     {58, 4, 0x00FFFFFF}};
  for (const auto& [at, size, value] : fields) {
    EXPECT_EQ(Le(bytes, at, static_cast<int>(size)), value) << "at " << at;
  }
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
  for (const std::size_t count : {1u, 3u, 7u}) {
    std::vector<int> hits(count, 0);
    for (std::uint64_t seed = 0; seed < 21000; ++seed) {
      ++hits.at(PickIndex(123456789u + seed, count));
    }
    for (const int hit : hits) {
      EXPECT_NEAR(hit, 21000.0 / static_cast<double>(count), 1260.0 / static_cast<double>(count));
    }
  }
}

using test::kRegister;
const std::string kAd = "0,0,239,35";  // an advertisement fills the display

CaptureAction Action(CaptureRectangle rect, std::int32_t x, std::int32_t y,
                     std::string prompt = "") {
  CaptureAction action;
  action.Prompt = std::move(prompt);
  action.CaptureRect = rect;
  action.ImageX = x;
  action.ImageY = y;
  return action;
}

// The register window is 400 x 300 pixels; files lie in the current folder.
class ScreenCaptureTest : public ::testing::Test {
 protected:
  // The calls of each tick joined by ", ", ticks joined by "; ", "-" for a tick without.
  std::string Ticks(int ticks, WindowHandle window) {
    std::string text;
    for (int tick = 1; tick <= ticks; ++tick) {
      system.calls.clear();
      capture.OnCaptureTick(window);
      std::string calls;
      for (const std::string& call : system.calls) {
        calls += (calls.empty() ? "" : ", ") + call;
      }
      text += (tick > 1 ? "; " : "") + (calls.empty() ? "-" : calls);
    }
    return text;
  }
  const DisplayPicture& Shown() const { return capture.DisplayImage(); }

  ScreenDefinition definition;
  test::FakeCaptureSystem system{400, 300};
  ScreenCapture capture{definition, "", system, system};
};

TEST_F(ScreenCaptureTest, WithoutARegisterWindowOnlyAdvertisementsComeEveryLastingPlusOneTicks) {
  definition.ShowLastingTicks = 2;
  definition.TimerActions.push_back(Action({0, 0, 50, 16}, 0, 0, "P"));
  system.ad_files = {"a.bmp"};
  const std::string ad = "list ad\\, DrawImage 0,0 ad\\a.bmp " + kAd;
  EXPECT_EQ(Ticks(6, 0), "-; -; " + ad + "; -; -; " + ad);
  EXPECT_TRUE(SameImage(Shown(), DisplayPicture()));
  // An empty folder restarts the wait just as an advertisement does.
  system.ad_files.clear();
  EXPECT_EQ(Ticks(3, 0), "-; -; list ad\\");
  // A lasting of zero or less shows one on every unchanged tick; every file can come up.
  system.ad_files = {"1.bmp", "2.bmp", "3.bmp", "readme.txt"};
  std::set<std::string> shown;
  for (const std::int32_t lasting : {0, -30, INT32_MIN}) {
    definition.ShowLastingTicks = lasting;
    for (int tick = 0; tick < 40; ++tick) {
      EXPECT_EQ(Ticks(1, 0).rfind("list ad\\, DrawImage 0,0 ad\\", 0), 0u);
      shown.insert(system.calls.back());
    }
  }
  EXPECT_EQ(shown.size(), 4u);
}

TEST_F(ScreenCaptureTest, OnlyRealChangesAreSentAndAnUnwrittenFileIsTriedAgain) {
  definition.ShowLastingTicks = 2;
  // 60 x 20, drawn 48 x 16 at (100, 10); its left half is black.
  definition.TimerActions.push_back(Action({10, 20, 70, 40}, 100, 10));
  system.screen.Fill(10, 20, 40, 40, 0x000000);
  system.ad_files = {"ad.bmp"};
  // An unchanged picture costs no file or driver call, and the picture last sent is not sent
  // again after an advertisement.
  EXPECT_EQ(Ticks(5, kRegister),
            "copy, write, DrawImage 0,0 tmp.bmp null; copy; copy; copy, "
            "list ad\\, DrawImage 0,0 ad\\ad.bmp " +
                kAd + "; copy");
  EXPECT_EQ(capture.IdleTicks(), 1);
  EXPECT_EQ(BlackCount(Shown(), 99, 9, 50, 18), 24 * 16);
  EXPECT_EQ(BlackCount(Shown(), 100, 10, 24, 16), 24 * 16);
  BmpFileBytes expected;
  EncodeBmp(Shown(), expected);
  EXPECT_EQ(system.files["tmp.bmp"], std::vector<std::uint8_t>(expected.begin(), expected.end()));
  system.screen.Fill(10, 20, 70, 40, 0x000000);
  system.writable = false;
  EXPECT_EQ(Ticks(2, kRegister), "copy, write; copy, write");
  EXPECT_FALSE(SameImage(capture.SentImage(), Shown()));
  system.writable = true;
  EXPECT_EQ(Ticks(1, kRegister), "copy, write, DrawImage 0,0 tmp.bmp null");
  EXPECT_TRUE(SameImage(capture.SentImage(), Shown()));
}

TEST_F(ScreenCaptureTest, RegionsWithoutPositiveSizeAreLeftOutAndOnesNotCopiedAreWhite) {
  for (const CaptureRectangle& rect :
       {CaptureRectangle{0, 0, 0, 0}, {10, 5, 10, 40}, {10, 40, 50, 5}, {50, 0, 10, 16}}) {
    definition.TimerActions.push_back(Action(rect, 0, 0, "A"));
  }
  system.screen.Fill(0, 0, 400, 300, 0x000000);
  EXPECT_EQ(Ticks(1, kRegister), "list ad\\");

  definition.TimerActions = {Action({0, 0, 32, 32}, 200, 0), Action({0, 0, 32, 32}, 0, 20)};
  system.screen.ResetWhite(400, 300);
  system.screen.Fill(0, 0, 16, 16, 0x000000);
  system.screen.Fill(16, 16, 32, 32, 0x000000);
  capture.OnCaptureTick(kRegister);
  EXPECT_FALSE(Shown().IsWhite(200, 0) || Shown().IsWhite(15, 35));
  // Both copies fail and the second place moves up: both places turn white, and what the
  // second place covered before stays black (the picture is never cleared).
  definition.TimerActions[1].ImageY = 0;
  system.copy_fails = true;
  capture.OnCaptureTick(kRegister);
  EXPECT_TRUE(Shown().IsWhite(200, 0) && Shown().IsWhite(15, 15));
  EXPECT_FALSE(Shown().IsWhite(15, 35));
  // A region too large to copy is drawn white without a copy.
  system.copy_fails = false;
  definition.TimerActions[0] = Action({0, 0, 16, 16}, 0, 20);
  definition.TimerActions[1] = Action({INT32_MIN, 0, INT32_MAX, 16}, 0, 20);
  definition.TimerActions.push_back(Action({0, 0, 4100, 4100}, 200, 20));
  EXPECT_EQ(Ticks(1, kRegister), "copy, write, DrawImage 0,0 tmp.bmp null");
  EXPECT_TRUE(Shown().IsWhite(15, 35));
}

TEST_F(ScreenCaptureTest, APromptIsRenderedOnceForEachTextAndTheRegionDrawsOverIt) {
  CaptureAction action = Action({0, 0, 16, 16}, 20, 0, "\xBA\xCF\xBC\xC6");
  action.PromptX = 4;
  action.PromptY = 2;
  definition.TimerActions = {action, Action({0, 0, 16, 16}, 100, 0, "")};
  EXPECT_EQ(Ticks(2, kRegister),
            "copy, render \xBA\xCF\xBC\xC6, copy, write, DrawImage 0,0 tmp.bmp null; copy, copy, "
            "list ad\\");
  EXPECT_EQ(BlackCount(Shown(), 4, 2, 1, 4), 4);  // the ink column, and nothing else
  EXPECT_EQ(BlackCount(Shown(), 0, 0, 240, 36), 4);
  definition.TimerActions[0].PromptX = 20;  // the ink now lies under the (white) region
  definition.TimerActions[0].Prompt = "P";
  EXPECT_EQ(Ticks(1, kRegister), "copy, render P, copy, list ad\\");
  EXPECT_TRUE(Shown().IsWhite(20, 2));
}

TEST_F(ScreenCaptureTest, OnlyThePartInsideTheWindowIsCopiedAndTheCaretShowsAsBackground) {
  // Drawn 1:1 at (0, 0): 8 columns left of the window, 6 rows below it.
  definition.TimerActions.push_back(Action({-8, 290, 24, 306}, 0, 0));
  system.screen.Fill(0, 290, 4, 300, 0x000000);
  // Far larger than the window: only the window is copied, into the place's first pixels.
  definition.TimerActions.push_back(Action({0, 0, 4096, 4096}, 40, 0));
  // A region at the extremes of 32 bits is too large to copy: a white block.
  definition.TimerActions.push_back(Action({INT32_MIN, INT32_MIN, 0x3504F334, 0x3504F334}, 60, 0));
  // 1:1 at (100, 0): a dot and a caret of more pixels than the white field around it; the
  // caret neither becomes the background nor reaches the display.
  definition.TimerActions.push_back(Action({200, 100, 216, 116}, 100, 0));
  system.screen.Fill(212, 104, 214, 106, 0x000000);
  system.screen.Fill(200, 100, 210, 116, 0x102030);
  system.layout.has_caret = true;
  system.layout.caret = {200, 100, 210, 130};
  capture.OnCaptureTick(kRegister);
  EXPECT_EQ(system.copied, (std::vector<CaptureRectangle>{
                               {0, 290, 24, 300}, {0, 0, 400, 300}, {200, 100, 216, 116}}));
  EXPECT_EQ(BlackCount(Shown(), 8, 0, 4, 10), 40);
  EXPECT_EQ(BlackCount(Shown(), 40, 0, 1, 2), 2);  // window rows 0-255 and 256-299 both hold black
  EXPECT_EQ(BlackCount(Shown(), 112, 4, 2, 2), 4);
  // Nothing else: copied, the extreme region would show the window in its place.
  EXPECT_EQ(BlackCount(Shown(), 0, 0, 240, 36), 40 + 2 + 4);
}

}  // namespace
}  // namespace lumo
