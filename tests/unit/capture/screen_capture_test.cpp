#include "capture/screen_capture.h"

#include <gtest/gtest.h>

#include <set>

#include "capture/bmp_file.h"
#include "capture_fakes.h"

namespace lumo {
namespace {

using test::FakeAnnouncer;
using test::FakeCaptureSystem;

constexpr WindowHandle kRegister = FakeCaptureSystem::kRegister;
const std::string kDir = "C:\\Pos\\";
const std::string kTmp = "C:\\Pos\\tmp.bmp";
const std::string kAds = "C:\\Pos\\ad\\";

TBmpAction Action(CaptureRectangle rect, std::int32_t image_x, std::int32_t image_y,
                  std::string prompt = "", std::int32_t prompt_x = 0, std::int32_t prompt_y = 0) {
  TBmpAction action;
  action.Prompt = std::move(prompt);
  action.PromptX = prompt_x;
  action.PromptY = prompt_y;
  action.CaptureRect = rect;
  action.ImageX = image_x;
  action.ImageY = image_y;
  return action;
}

class ScreenCaptureTest : public ::testing::Test {
 protected:
  void Tick(WindowHandle window = kRegister) { capture.CopyTimerTimer(window); }
  void Ticks(int n, WindowHandle window = kRegister) {
    for (int i = 0; i < n; ++i) {
      Tick(window);
    }
  }
  std::size_t Draws() const { return announcer.draws.size(); }

  ScreenDefinition definition;
  FakeCaptureSystem system;
  FakeAnnouncer announcer;
  ScreenCapture capture{definition, kDir, system, announcer};
};

TEST_F(ScreenCaptureTest, FirstChangeIsSentAndAnUnchangedScreenCostsNoFileOrDriverCall) {
  definition.ShowLastingTicks = 30;
  // A 60 x 20 region drawn 48 x 16 at (100, 10): black in its left half.
  definition.TimerActions.push_back(Action({10, 20, 70, 40}, 100, 10));
  system.PaintScreen(10, 20, 30, 20, 0x000000);

  Tick();
  ASSERT_EQ(Draws(), 1u);
  EXPECT_EQ(announcer.draws[0].path, kTmp);
  EXPECT_FALSE(announcer.draws[0].has_rect);
  const DisplayPicture& shown = capture.DisplayImage();
  EXPECT_FALSE(shown.IsWhite(100, 10));
  EXPECT_FALSE(shown.IsWhite(123, 25));
  EXPECT_TRUE(shown.IsWhite(124, 25));
  EXPECT_TRUE(shown.IsWhite(99, 10));
  EXPECT_TRUE(shown.IsWhite(100, 26));
  EXPECT_TRUE(SameImage(capture.SentImage(), shown));
  EXPECT_EQ(capture.IdleTicks(), 0);
  BmpFileBytes expected{};
  EncodeBmp(shown, expected);
  EXPECT_EQ(system.files[kTmp], std::vector<std::uint8_t>(expected.begin(), expected.end()));

  Ticks(3);
  EXPECT_EQ(Draws(), 1u);
  EXPECT_EQ(system.write_attempts, 1);
  EXPECT_TRUE(system.listed.empty());
  EXPECT_EQ(capture.IdleTicks(), 3);
  EXPECT_EQ(announcer.other_calls, 0);
}

TEST_F(ScreenCaptureTest, WithoutARegisterWindowOnlyAdvertisementsComeEveryLastingPlusOneTicks) {
  definition.ShowLastingTicks = 3;
  definition.TimerActions.push_back(Action({0, 0, 50, 16}, 0, 0, "P"));
  system.PaintScreen(0, 0, 50, 16, 0x000000);
  system.ad_files = {"a.bmp"};

  for (int round = 0; round < 3; ++round) {
    for (int idle = 1; idle <= 3; ++idle) {
      Tick(0);
      EXPECT_EQ(capture.IdleTicks(), idle);
    }
    EXPECT_EQ(Draws(), static_cast<std::size_t>(round));
    Tick(0);
    ASSERT_EQ(Draws(), static_cast<std::size_t>(round + 1));
    const test::DrawImageCall& ad = announcer.draws.back();
    EXPECT_EQ(ad.path, kAds + "a.bmp");
    ASSERT_TRUE(ad.has_rect);
    EXPECT_EQ(ad.rect.Left, 0);
    EXPECT_EQ(ad.rect.Top, 0);
    EXPECT_EQ(ad.rect.Right, 239);
    EXPECT_EQ(ad.rect.Bottom, 35);
    EXPECT_EQ(capture.IdleTicks(), 0);
  }
  EXPECT_EQ(system.listed, std::vector<std::string>(3, kAds));
  EXPECT_EQ(system.copies, 0);
  EXPECT_TRUE(system.rendered.empty());
  EXPECT_EQ(system.write_attempts, 0);
  EXPECT_TRUE(SameImage(capture.DisplayImage(), DisplayPicture()));
}

TEST_F(ScreenCaptureTest, ALastingOfZeroOrLessShowsAnAdvertisementOnEveryUnchangedTick) {
  for (const std::int32_t lasting : {0, -30, INT32_MIN}) {
    ScreenDefinition local;
    local.ShowLastingTicks = lasting;
    FakeCaptureSystem local_system;
    local_system.ad_files = {"x.bmp", "y.bmp"};
    FakeAnnouncer local_announcer;
    ScreenCapture local_capture(local, kDir, local_system, local_announcer);
    for (int i = 1; i <= 4; ++i) {
      local_capture.CopyTimerTimer(0);
      EXPECT_EQ(local_announcer.draws.size(), static_cast<std::size_t>(i)) << lasting;
      EXPECT_EQ(local_capture.IdleTicks(), 0);
    }
  }
}

TEST_F(ScreenCaptureTest, AnEmptyOrMissingFolderRestartsTheWait) {
  definition.ShowLastingTicks = 2;
  Ticks(3, 0);
  EXPECT_EQ(system.listed.size(), 1u);
  EXPECT_EQ(capture.IdleTicks(), 0);
  Ticks(2, 0);
  EXPECT_EQ(system.listed.size(), 1u);
  system.ad_files = {"late.bmp"};
  Tick(0);
  EXPECT_EQ(system.listed.size(), 2u);
  ASSERT_EQ(Draws(), 1u);
  EXPECT_EQ(announcer.draws[0].path, kAds + "late.bmp");
}

TEST_F(ScreenCaptureTest, EveryAdvertisementCanComeUp) {
  definition.ShowLastingTicks = 0;
  system.ad_files = {"1.bmp", "2.bmp", "3.bmp", "readme.txt"};
  Ticks(200, 0);
  std::set<std::string> shown;
  for (const test::DrawImageCall& call : announcer.draws) {
    shown.insert(call.path);
  }
  EXPECT_EQ(shown.size(), 4u);
}

TEST_F(ScreenCaptureTest, AdvertisementsLeaveSentImageAloneSoChangesAreSentAtOnce) {
  definition.ShowLastingTicks = 1;
  definition.TimerActions.push_back(Action({0, 0, 16, 16}, 0, 0));
  system.ad_files = {"ad.bmp"};
  system.PaintScreen(0, 0, 4, 16, 0x000000);
  Tick();    // sends A
  Ticks(2);  // one idle tick, then an advertisement
  ASSERT_EQ(Draws(), 2u);
  EXPECT_TRUE(announcer.draws[1].has_rect);

  Tick();  // still A: the advertisement stays
  EXPECT_EQ(Draws(), 2u);
  EXPECT_EQ(system.write_attempts, 1);

  system.PaintScreen(0, 0, 16, 16, 0x000000);  // B
  Tick();
  ASSERT_EQ(Draws(), 3u);
  EXPECT_EQ(announcer.draws[2].path, kTmp);
  EXPECT_EQ(capture.IdleTicks(), 0);
}

TEST_F(ScreenCaptureTest, AnUnwritableFileSendsNothingAndIsTriedAgainNextTick) {
  definition.ShowLastingTicks = 0;
  definition.TimerActions.push_back(Action({0, 0, 16, 16}, 0, 0));
  system.ad_files = {"ad.bmp"};
  system.PaintScreen(0, 0, 16, 16, 0x000000);
  system.writable = false;
  Ticks(3);
  EXPECT_EQ(system.write_attempts, 3);
  EXPECT_EQ(Draws(), 0u);
  EXPECT_TRUE(SameImage(capture.SentImage(), DisplayPicture()));
  EXPECT_FALSE(SameImage(capture.DisplayImage(), DisplayPicture()));

  system.writable = true;
  Tick();
  ASSERT_EQ(Draws(), 1u);
  EXPECT_EQ(announcer.draws[0].path, kTmp);
  EXPECT_TRUE(SameImage(capture.SentImage(), capture.DisplayImage()));

  // A screen that goes back to the picture last sent, while writing fails, sends nothing.
  system.writable = false;
  system.PaintScreen(0, 0, 16, 16, 0xFFFFFF);
  Tick();
  system.PaintScreen(0, 0, 16, 16, 0x000000);
  Tick();
  EXPECT_EQ(system.write_attempts, 5);
  EXPECT_EQ(Draws(), 2u);  // the unchanged tick brought an advertisement
  EXPECT_TRUE(announcer.draws[1].has_rect);
}

TEST_F(ScreenCaptureTest, RegionsWithoutPositiveSizeAreLeftOut) {
  definition.TimerActions.push_back(Action({0, 0, 0, 0}, 0, 0, "A"));
  definition.TimerActions.push_back(Action({10, 5, 10, 40}, 0, 0, "B"));
  definition.TimerActions.push_back(Action({10, 40, 50, 5}, 0, 0, "C"));
  definition.TimerActions.push_back(Action({50, 0, 10, 16}, 0, 0, "D"));
  system.PaintScreen(0, 0, 400, 300, 0x000000);
  Ticks(2);
  EXPECT_EQ(system.copies, 0);
  EXPECT_TRUE(system.rendered.empty());
  EXPECT_EQ(system.write_attempts, 0);
  EXPECT_TRUE(SameImage(capture.DisplayImage(), DisplayPicture()));
}

TEST_F(ScreenCaptureTest, AFailedCopyDrawsAWhiteBlockOverEarlierContent) {
  definition.TimerActions.push_back(Action({0, 0, 32, 32}, 200, 0));
  definition.TimerActions.push_back(Action({0, 0, 32, 32}, 0, 20));
  system.PaintScreen(0, 0, 32, 32, 0x000000);
  Tick();
  EXPECT_FALSE(capture.DisplayImage().IsWhite(200, 0));
  EXPECT_FALSE(capture.DisplayImage().IsWhite(15, 35));

  // Both copies fail and the second place moves: both places turn white, and what the
  // second place covered before stays black.
  definition.TimerActions[1].ImageY = 0;
  system.copy_fails = true;
  Tick();
  EXPECT_TRUE(capture.DisplayImage().IsWhite(200, 0));
  EXPECT_TRUE(capture.DisplayImage().IsWhite(15, 15));
  EXPECT_FALSE(capture.DisplayImage().IsWhite(15, 35));  // never cleared
  EXPECT_EQ(Draws(), 2u);
}

TEST_F(ScreenCaptureTest, PromptsAreRenderedOnceAndPlacedBeforeTheRegionDrawsOverThem) {
  definition.TimerActions.push_back(Action({0, 0, 16, 16}, 20, 0, "\xBA\xCF\xBC\xC6", 4, 2));
  definition.TimerActions.push_back(Action({0, 0, 16, 16}, 100, 0, ""));
  Ticks(3);
  // The fake's cell is 8 x 4 with ink in its first column.
  ASSERT_EQ(system.rendered, std::vector<std::string>{"\xBA\xCF\xBC\xC6"});
  const DisplayPicture& shown = capture.DisplayImage();
  for (int y = 2; y < 6; ++y) {
    EXPECT_FALSE(shown.IsWhite(4, y)) << y;
    EXPECT_TRUE(shown.IsWhite(5, y)) << y;
  }
  EXPECT_TRUE(shown.IsWhite(4, 6));
  EXPECT_TRUE(shown.IsWhite(4, 1));

  definition.TimerActions[0].PromptX = 14;  // cell 14..21 now reaches under the region
  Tick();
  EXPECT_FALSE(capture.DisplayImage().IsWhite(14, 2));
  definition.TimerActions[0].PromptX = 20;
  Tick();
  EXPECT_TRUE(capture.DisplayImage().IsWhite(20, 2));  // the region drew over the ink
  EXPECT_EQ(system.rendered.size(), 1u);
}

TEST_F(ScreenCaptureTest, RegionsTooLargeToCopyAreDrawnWhiteWithoutACopy) {
  definition.TimerActions.push_back(Action({0, 0, 16, 16}, 0, 0));
  definition.TimerActions.push_back(Action({INT32_MIN, 0, INT32_MAX, 16}, 0, 20));
  system.PaintScreen(0, 0, 16, 16, 0x000000);
  Tick();
  EXPECT_EQ(system.copies, 1);
  EXPECT_FALSE(capture.DisplayImage().IsWhite(0, 0));
  EXPECT_TRUE(capture.DisplayImage().IsWhite(0, 20));
}

}  // namespace
}  // namespace lumo
