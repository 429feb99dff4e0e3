#include "capture/screen_capture.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/recording_announcer.h"

namespace lumo {
namespace {

constexpr WindowHandle kRegister = 0x1234;
const std::string kTmp = "C:\\Pos\\tmp.bmp";
const std::string kAds = "C:\\Pos\\ad\\";

// The picture at its usual place, or a whole-display advertisement.
std::string Sent(const std::string& path) {
  return "DrawImage 0 0 '" + path + "' null";
}
std::string Advert(const std::string& name) {
  return "DrawImage 0 0 '" + kAds + name + "' 0,0,239,35";
}

// The register window is a 400 x 300 picture the test paints; prompts render as a cell two
// pixels wide per byte and four high, inked in its first column.
class FakeSystem : public CaptureSystem {
 public:
  FakeSystem() { screen.ResetWhite(400, 300); }
  void Paint(int x, int y, int width, int height, ColourPixel colour) {
    for (int row = y; row < y + height; ++row) {
      std::fill_n(screen.pixels.begin() + row * 400 + x, width, colour);
    }
  }
  bool GetWindowLayout(WindowHandle window, WindowLayout& out) override {
    EXPECT_EQ(window, kRegister);
    out = layout;
    return true;
  }
  bool CopyWindowRect(WindowHandle window, const CaptureRectangle& rect,
                      ColourRegion& target) override {
    ++copies;
    copied.push_back(rect);
    EXPECT_EQ(window, kRegister);
    EXPECT_TRUE(rect.Left >= 0 && rect.Top >= 0 && rect.Right <= 400 && rect.Bottom <= 300);
    EXPECT_EQ(target.width, rect.Right - rect.Left);
    EXPECT_EQ(target.height, rect.Bottom - rect.Top);
    for (int y = 0; y < target.height && !copy_fails; ++y) {
      for (int x = 0; x < target.width; ++x) {
        target.pixels[static_cast<std::size_t>(y * target.width + x)] =
            screen.At(rect.Left + x, rect.Top + y);
      }
    }
    return !copy_fails;
  }
  void RenderPrompt(const std::string& text, PromptMask& mask) override {
    rendered.push_back(text);
    mask.Reset(static_cast<int>(text.size()) * 2, 4);
    for (int y = 0; y < 4; ++y) {
      mask.ink[static_cast<std::size_t>(y * mask.width)] = 1;
    }
  }
  bool WriteFile(const std::string& path, const std::uint8_t* bytes, std::size_t size) override {
    ++writes;
    if (writable) {
      files[path].assign(bytes, bytes + size);
    }
    return writable;
  }
  void ListFolderFiles(const std::string& folder, std::vector<std::string>& names) override {
    EXPECT_EQ(folder, kAds);
    ++listings;
    names = ad_files;
  }
  std::uint64_t HighResolutionCounter() override { return ++counter; }

  ColourRegion screen;
  WindowLayout layout{400, 300, false, {}};
  bool copy_fails = false;
  bool writable = true;
  std::vector<std::string> ad_files;
  std::uint64_t counter = 1000;
  int copies = 0;
  std::vector<CaptureRectangle> copied;
  int writes = 0;
  int listings = 0;
  std::vector<std::string> rendered;
  std::map<std::string, std::vector<std::uint8_t>> files;
};

TBmpAction Action(CaptureRectangle rect, std::int32_t x, std::int32_t y, std::string prompt = "") {
  TBmpAction action;
  action.Prompt = std::move(prompt);
  action.CaptureRect = rect;
  action.ImageX = x;
  action.ImageY = y;
  return action;
}

class ScreenCaptureTest : public ::testing::Test {
 protected:
  // The capture only ever draws pictures, at the display's corner.
  void TearDown() override {
    for (const std::string& call : announcer.calls) {
      EXPECT_EQ(call.rfind("DrawImage 0 0 '", 0), 0u) << call;
    }
  }
  // The ticks (counting from 1) on which the announcer was called.
  std::vector<int> TicksWithDraws(int ticks, WindowHandle window) {
    std::vector<int> result;
    for (int tick = 1; tick <= ticks; ++tick) {
      const std::size_t before = announcer.calls.size();
      capture.CopyTimerTimer(window);
      if (announcer.calls.size() != before) {
        result.push_back(tick);
      }
    }
    return result;
  }
  const DisplayPicture& Shown() const { return capture.DisplayImage(); }

  ScreenDefinition definition;
  FakeSystem system;
  test::RecordingAnnouncer announcer;
  ScreenCapture capture{definition, "C:\\Pos\\", system, announcer};
};

TEST_F(ScreenCaptureTest, FirstChangeIsSentAndAnUnchangedScreenCostsNoFileOrDriverCall) {
  definition.ShowLastingTicks = 30;
  // 60 x 20, drawn 48 x 16 at (100, 10); its left half is black.
  definition.TimerActions.push_back(Action({10, 20, 70, 40}, 100, 10));
  system.Paint(10, 20, 30, 20, 0x000000);

  EXPECT_EQ(TicksWithDraws(4, kRegister), std::vector<int>{1});
  EXPECT_EQ(announcer.calls, std::vector<std::string>{Sent(kTmp)});
  EXPECT_FALSE(Shown().IsWhite(100, 10) || Shown().IsWhite(123, 25));
  EXPECT_TRUE(Shown().IsWhite(124, 25) && Shown().IsWhite(99, 10) && Shown().IsWhite(100, 26));
  EXPECT_TRUE(SameImage(capture.SentImage(), Shown()));
  BmpFileBytes expected;
  EncodeBmp(Shown(), expected);
  EXPECT_EQ(system.files[kTmp], std::vector<std::uint8_t>(expected.begin(), expected.end()));
  EXPECT_EQ(system.writes, 1);
  EXPECT_EQ(system.listings, 0);
  EXPECT_EQ(capture.IdleTicks(), 3);
}

TEST_F(ScreenCaptureTest, WithoutARegisterWindowOnlyAdvertisementsComeEveryLastingPlusOneTicks) {
  definition.ShowLastingTicks = 3;
  definition.TimerActions.push_back(Action({0, 0, 50, 16}, 0, 0, "P"));
  system.Paint(0, 0, 50, 16, 0x000000);
  system.ad_files = {"a.bmp"};
  EXPECT_EQ(TicksWithDraws(12, 0), (std::vector<int>{4, 8, 12}));
  EXPECT_EQ(announcer.calls[0], Advert("a.bmp"));
  EXPECT_EQ(system.copies + system.writes + static_cast<int>(system.rendered.size()), 0);
  EXPECT_TRUE(SameImage(Shown(), DisplayPicture()));

  // An empty folder restarts the wait just as an advertisement does.
  system.ad_files.clear();
  EXPECT_TRUE(TicksWithDraws(4, 0).empty());
  system.ad_files = {"b.bmp"};
  EXPECT_EQ(TicksWithDraws(4, 0), std::vector<int>{4});

  // Every file of the folder can come up.
  definition.ShowLastingTicks = 0;
  system.ad_files = {"1.bmp", "2.bmp", "3.bmp", "readme.txt"};
  EXPECT_EQ(TicksWithDraws(100, 0).size(), 100u);
  const std::set<std::string> shown(announcer.calls.begin(), announcer.calls.end());
  EXPECT_EQ(shown.size(), 6u);
}

TEST_F(ScreenCaptureTest, ALastingOfZeroOrLessShowsAnAdvertisementOnEveryUnchangedTick) {
  system.ad_files = {"x.bmp"};
  for (const std::int32_t lasting : {0, -30, INT32_MIN}) {
    definition.ShowLastingTicks = lasting;
    EXPECT_EQ(TicksWithDraws(3, 0), (std::vector<int>{1, 2, 3})) << lasting;
  }
}

TEST_F(ScreenCaptureTest, AdvertisementsLeaveSentImageAloneSoOnlyRealChangesAreSent) {
  definition.ShowLastingTicks = 1;
  definition.TimerActions.push_back(Action({0, 0, 16, 16}, 0, 0));
  system.ad_files = {"ad.bmp"};
  system.Paint(0, 0, 4, 16, 0x000000);
  EXPECT_EQ(TicksWithDraws(4, kRegister), (std::vector<int>{1, 3}));  // picture, ad
  EXPECT_EQ(system.writes, 1);  // the picture last sent is not sent again after the ad
  system.Paint(0, 0, 16, 16, 0x000000);
  EXPECT_EQ(TicksWithDraws(1, kRegister), std::vector<int>{1});
  EXPECT_EQ(announcer.calls.back(), Sent(kTmp));
}

TEST_F(ScreenCaptureTest, AnUnwritableFileSendsNothingAndIsTriedAgainNextTick) {
  definition.ShowLastingTicks = 0;
  definition.TimerActions.push_back(Action({0, 0, 16, 16}, 0, 0));
  system.ad_files = {"ad.bmp"};
  system.Paint(0, 0, 8, 16, 0x000000);
  system.writable = false;
  EXPECT_TRUE(TicksWithDraws(3, kRegister).empty());
  EXPECT_EQ(system.writes, 3);
  EXPECT_TRUE(SameImage(capture.SentImage(), DisplayPicture()));
  system.writable = true;
  EXPECT_EQ(TicksWithDraws(1, kRegister), std::vector<int>{1});
  EXPECT_EQ(announcer.calls.back(), Sent(kTmp));
  EXPECT_TRUE(SameImage(capture.SentImage(), Shown()));
}

TEST_F(ScreenCaptureTest, RegionsWithoutPositiveSizeAreLeftOut) {
  for (const CaptureRectangle& rect :
       {CaptureRectangle{0, 0, 0, 0}, CaptureRectangle{10, 5, 10, 40},
        CaptureRectangle{10, 40, 50, 5}, CaptureRectangle{50, 0, 10, 16}}) {
    definition.TimerActions.push_back(Action(rect, 0, 0, "A"));
  }
  system.Paint(0, 0, 400, 300, 0x000000);
  EXPECT_TRUE(TicksWithDraws(2, kRegister).empty());
  EXPECT_EQ(system.copies + system.writes + static_cast<int>(system.rendered.size()), 0);
}

TEST_F(ScreenCaptureTest, RegionsThatCannotBeCopiedAreDrawnWhiteOverEarlierContent) {
  definition.TimerActions.push_back(Action({0, 0, 32, 32}, 200, 0));
  definition.TimerActions.push_back(Action({0, 0, 32, 32}, 0, 20));
  system.Paint(0, 0, 16, 16, 0x000000);
  system.Paint(16, 16, 16, 16, 0x000000);
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
  definition.TimerActions[1] = Action({INT32_MIN, 0, INT32_MAX, 16}, 200, 0);
  const int copies = system.copies;
  capture.CopyTimerTimer(kRegister);
  EXPECT_EQ(system.copies, copies + 1);
  EXPECT_TRUE(Shown().IsWhite(200, 0));
}

TEST_F(ScreenCaptureTest, PromptsAreRenderedOnceAndTheRegionDrawsOverThem) {
  TBmpAction action = Action({0, 0, 16, 16}, 20, 0, "\xBA\xCF\xBC\xC6");
  action.PromptX = 4;
  action.PromptY = 2;
  definition.TimerActions = {action, Action({0, 0, 16, 16}, 100, 0, "")};
  capture.CopyTimerTimer(kRegister);
  capture.CopyTimerTimer(kRegister);
  for (int y = 2; y < 6; ++y) {
    EXPECT_FALSE(Shown().IsWhite(4, y)) << y;
    EXPECT_TRUE(Shown().IsWhite(5, y)) << y;
  }
  EXPECT_TRUE(Shown().IsWhite(4, 1) && Shown().IsWhite(4, 6));
  definition.TimerActions[0].PromptX = 20;  // the ink now lies under the (white) region
  capture.CopyTimerTimer(kRegister);
  EXPECT_TRUE(Shown().IsWhite(20, 2));
  EXPECT_EQ(system.rendered, std::vector<std::string>{"\xBA\xCF\xBC\xC6"});
}

TEST_F(ScreenCaptureTest, OnlyThePartInsideTheWindowIsCopiedAndTheCaretShowsAsBackground) {
  const auto black_in = [&](int x, int y, int width, int height) {
    int count = 0;
    for (int row = y; row < y + height; ++row) {
      for (int column = x; column < x + width; ++column) {
        count += Shown().IsWhite(column, row) ? 0 : 1;
      }
    }
    return count;
  };
  // Drawn 1:1 at (0, 0): 8 columns left of the window, 6 rows below it.
  definition.TimerActions.push_back(Action({-8, 290, 24, 306}, 0, 0));
  system.Paint(0, 290, 4, 10, 0x000000);
  // Far larger than the window: only the window is copied, into the place's first pixels.
  definition.TimerActions.push_back(Action({0, 0, 4096, 4096}, 40, 0));
  // A region at the extremes of 32 bits is too large to copy: a white block.
  definition.TimerActions.push_back(Action({INT32_MIN, INT32_MIN, 0x3504F334, 0x3504F334}, 60, 0));
  // 1:1 at (100, 0): a dot and a caret of more pixels than the white field around it; the
  // caret neither becomes the background nor reaches the display.
  definition.TimerActions.push_back(Action({200, 100, 216, 116}, 100, 0));
  system.Paint(212, 104, 2, 2, 0x000000);
  system.Paint(200, 100, 10, 16, 0x102030);
  system.layout.has_caret = true;
  system.layout.caret = {200, 100, 210, 130};
  capture.CopyTimerTimer(kRegister);

  ASSERT_EQ(system.copied.size(), 3u);
  EXPECT_EQ(system.copied[0], (CaptureRectangle{0, 290, 24, 300}));
  EXPECT_EQ(system.copied[1], (CaptureRectangle{0, 0, 400, 300}));
  EXPECT_EQ(system.copied[2], (CaptureRectangle{200, 100, 216, 116}));
  EXPECT_EQ(black_in(8, 0, 4, 10), 40);
  EXPECT_EQ(black_in(40, 0, 1, 2), 2);  // window rows 0-255 and 256-299 both hold black
  EXPECT_EQ(black_in(112, 4, 2, 2), 4);
  // Nothing else: copied, the extreme region would show the window in its place.
  EXPECT_EQ(black_in(0, 0, 240, 36), 40 + 2 + 4);
}

}  // namespace
}  // namespace lumo
