#include "capture/screen_capture.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/machine.h"

namespace lumo {
namespace {

using test::kRegister;
const std::string kAd = "0,0,239,35";  // an advertisement fills the display

TBmpAction Action(CaptureRectangle rect, std::int32_t x, std::int32_t y, std::string prompt = "") {
  TBmpAction action;
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
      capture.CopyTimerTimer(window);
      std::string calls;
      for (const std::string& call : system.calls) {
        calls += (calls.empty() ? "" : ", ") + call;
      }
      text += (tick > 1 ? "; " : "") + (calls.empty() ? "-" : calls);
    }
    return text;
  }
  const DisplayPicture& Shown() const { return capture.DisplayImage(); }
  int BlackIn(int x, int y, int width, int height) const {
    int count = 0;
    for (int row = y; row < y + height; ++row) {
      for (int column = x; column < x + width; ++column) {
        count += Shown().IsWhite(column, row) ? 0 : 1;
      }
    }
    return count;
  }

  ScreenDefinition definition;
  test::FakeCaptureSystem system{400, 300};
  ScreenCapture capture{definition, "", system, system};
};

TEST_F(ScreenCaptureTest, AChangeIsSentOnceAndAnUnchangedPictureCostsNoFileOrDriverCall) {
  definition.ShowLastingTicks = 30;
  // 60 x 20, drawn 48 x 16 at (100, 10); its left half is black.
  definition.TimerActions.push_back(Action({10, 20, 70, 40}, 100, 10));
  system.screen.Fill(10, 20, 40, 40, 0x000000);
  EXPECT_EQ(Ticks(4, kRegister), "copy, write, DrawImage 0,0 tmp.bmp null; copy; copy; copy");
  EXPECT_EQ(capture.IdleTicks(), 3);
  EXPECT_EQ(BlackIn(99, 9, 50, 18), 24 * 16);
  EXPECT_EQ(BlackIn(100, 10, 24, 16), 24 * 16);
  EXPECT_TRUE(SameImage(capture.SentImage(), Shown()));
  BmpFileBytes expected;
  EncodeBmp(Shown(), expected);
  EXPECT_EQ(system.files["tmp.bmp"], std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

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
  definition.ShowLastingTicks = 1;
  definition.TimerActions.push_back(Action({0, 0, 16, 16}, 0, 0));
  system.ad_files = {"ad.bmp"};
  system.screen.Fill(0, 0, 4, 16, 0x000000);
  // The picture last sent is not sent again after an advertisement.
  EXPECT_EQ(Ticks(4, kRegister),
            "copy, write, DrawImage 0,0 tmp.bmp null; copy; copy, list ad\\, "
            "DrawImage 0,0 ad\\ad.bmp " +
                kAd + "; copy");
  system.screen.Fill(0, 0, 16, 16, 0x000000);
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
  capture.CopyTimerTimer(kRegister);
  EXPECT_FALSE(Shown().IsWhite(200, 0) || Shown().IsWhite(15, 35));
  // Both copies fail and the second place moves up: both places turn white, and what the
  // second place covered before stays black (the picture is never cleared).
  definition.TimerActions[1].ImageY = 0;
  system.copy_fails = true;
  capture.CopyTimerTimer(kRegister);
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
  TBmpAction action = Action({0, 0, 16, 16}, 20, 0, "\xBA\xCF\xBC\xC6");
  action.PromptX = 4;
  action.PromptY = 2;
  definition.TimerActions = {action, Action({0, 0, 16, 16}, 100, 0, "")};
  EXPECT_EQ(Ticks(2, kRegister),
            "copy, render \xBA\xCF\xBC\xC6, copy, write, DrawImage 0,0 tmp.bmp null; copy, copy, "
            "list ad\\");
  EXPECT_EQ(BlackIn(4, 2, 1, 4), 4);  // the ink column, and nothing else
  EXPECT_EQ(BlackIn(0, 0, 240, 36), 4);
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
  capture.CopyTimerTimer(kRegister);
  EXPECT_EQ(system.copied, (std::vector<CaptureRectangle>{
                               {0, 290, 24, 300}, {0, 0, 400, 300}, {200, 100, 216, 116}}));
  EXPECT_EQ(BlackIn(8, 0, 4, 10), 40);
  EXPECT_EQ(BlackIn(40, 0, 1, 2), 2);  // window rows 0-255 and 256-299 both hold black
  EXPECT_EQ(BlackIn(112, 4, 2, 2), 4);
  // Nothing else: copied, the extreme region would show the window in its place.
  EXPECT_EQ(BlackIn(0, 0, 240, 36), 40 + 2 + 4);
}

}  // namespace
}  // namespace lumo
