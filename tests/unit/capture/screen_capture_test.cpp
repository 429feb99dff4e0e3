#include "capture/screen_capture.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace lumo {
namespace {

constexpr WindowHandle kRegister = 0x1234;
const std::string kDir = "C:\\Pos\\";
const std::string kAd = "0,0,239,35";  // an advertisement fills the display

// The register window is a 400 x 300 picture the test paints; prompts render as a cell two
// pixels wide per byte and four high, inked in its first column. Every call of the machine
// and the announcer goes into one list.
class FakeSystem : public CaptureSystem, public Announcer {
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
    calls.push_back("copy");
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
    calls.push_back("render " + text);
    mask.Reset(static_cast<int>(text.size()) * 2, 4);
    for (int y = 0; y < 4; ++y) {
      mask.ink[static_cast<std::size_t>(y * mask.width)] = 1;
    }
  }
  bool WriteFile(const std::string& path, const std::uint8_t* bytes, std::size_t size) override {
    calls.push_back("write");
    if (writable) {
      files[path].assign(bytes, bytes + size);
    }
    return writable;
  }
  void ListFolderFiles(const std::string& folder, std::vector<std::string>& names) override {
    calls.push_back("list " + folder.substr(kDir.size()));
    names = ad_files;
  }
  std::uint64_t HighResolutionCounter() override { return ++counter; }

  void Cls(std::int32_t) override { calls.push_back("Cls"); }
  void PrintText(std::int32_t, std::int32_t, const std::string&) override {
    calls.push_back("PrintText");
  }
  void SoundOut(const std::string&) override { calls.push_back("SoundOut"); }
  void DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                 const AnnouncerRect* r) override {
    calls.push_back("draw " + std::to_string(x) + "," + std::to_string(y) + " " +
                    path.substr(kDir.size()) + " " +
                    (r ? std::to_string(r->Left) + "," + std::to_string(r->Top) + "," +
                             std::to_string(r->Right) + "," + std::to_string(r->Bottom)
                       : "null"));
  }

  ColourRegion screen;
  WindowLayout layout{400, 300, false, {}};
  bool copy_fails = false;
  bool writable = true;
  std::vector<std::string> ad_files;
  std::uint64_t counter = 1000;
  std::vector<std::string> calls;
  std::vector<CaptureRectangle> copied;
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

  ScreenDefinition definition;
  FakeSystem system;
  ScreenCapture capture{definition, kDir, system, system};
};

TEST_F(ScreenCaptureTest, AChangeIsSentOnceAndAnUnchangedPictureCostsNoFileOrDriverCall) {
  definition.ShowLastingTicks = 30;
  // 60 x 20, drawn 48 x 16 at (100, 10); its left half is black.
  definition.TimerActions.push_back(Action({10, 20, 70, 40}, 100, 10));
  system.Paint(10, 20, 30, 20, 0x000000);
  EXPECT_EQ(Ticks(4, kRegister), "copy, write, draw 0,0 tmp.bmp null; copy; copy; copy");
  EXPECT_EQ(capture.IdleTicks(), 3);
  EXPECT_FALSE(Shown().IsWhite(100, 10) || Shown().IsWhite(123, 25));
  EXPECT_TRUE(Shown().IsWhite(124, 25) && Shown().IsWhite(99, 10) && Shown().IsWhite(100, 26));
  EXPECT_TRUE(SameImage(capture.SentImage(), Shown()));
  BmpFileBytes expected;
  EncodeBmp(Shown(), expected);
  EXPECT_EQ(system.files[kDir + "tmp.bmp"],
            std::vector<std::uint8_t>(expected.begin(), expected.end()));
}

TEST_F(ScreenCaptureTest, WithoutARegisterWindowOnlyAdvertisementsComeEveryLastingPlusOneTicks) {
  definition.ShowLastingTicks = 2;
  definition.TimerActions.push_back(Action({0, 0, 50, 16}, 0, 0, "P"));
  system.ad_files = {"a.bmp"};
  EXPECT_EQ(Ticks(6, 0), "-; -; list ad\\, draw 0,0 ad\\a.bmp " + kAd + "; -; -; list ad\\, " +
                             "draw 0,0 ad\\a.bmp " + kAd);
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
      EXPECT_EQ(Ticks(1, 0).rfind("list ad\\, draw 0,0 ad\\", 0), 0u);
      shown.insert(system.calls.back());
    }
  }
  EXPECT_EQ(shown.size(), 4u);
}

TEST_F(ScreenCaptureTest, OnlyRealChangesAreSentAndAnUnwrittenFileIsTriedAgain) {
  definition.ShowLastingTicks = 1;
  definition.TimerActions.push_back(Action({0, 0, 16, 16}, 0, 0));
  system.ad_files = {"ad.bmp"};
  system.Paint(0, 0, 4, 16, 0x000000);
  // The picture last sent is not sent again after an advertisement.
  EXPECT_EQ(Ticks(4, kRegister), "copy, write, draw 0,0 tmp.bmp null; copy; copy, list ad\\, " +
                                     ("draw 0,0 ad\\ad.bmp " + kAd) + "; copy");
  system.Paint(0, 0, 16, 16, 0x000000);
  system.writable = false;
  EXPECT_EQ(Ticks(2, kRegister), "copy, write; copy, write");
  EXPECT_FALSE(SameImage(capture.SentImage(), Shown()));
  system.writable = true;
  EXPECT_EQ(Ticks(1, kRegister), "copy, write, draw 0,0 tmp.bmp null");
  EXPECT_TRUE(SameImage(capture.SentImage(), Shown()));
}

TEST_F(ScreenCaptureTest, RegionsWithoutPositiveSizeAreLeftOutAndOnesNotCopiedAreWhite) {
  for (const CaptureRectangle& rect :
       {CaptureRectangle{0, 0, 0, 0}, CaptureRectangle{10, 5, 10, 40},
        CaptureRectangle{10, 40, 50, 5}, CaptureRectangle{50, 0, 10, 16}}) {
    definition.TimerActions.push_back(Action(rect, 0, 0, "A"));
  }
  system.Paint(0, 0, 400, 300, 0x000000);
  EXPECT_EQ(Ticks(1, kRegister), "list ad\\");

  definition.TimerActions = {Action({0, 0, 32, 32}, 200, 0), Action({0, 0, 32, 32}, 0, 20)};
  system.Paint(0, 0, 400, 300, 0xFFFFFF);
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
  definition.TimerActions[0] = Action({0, 0, 16, 16}, 0, 20);
  definition.TimerActions[1] = Action({INT32_MIN, 0, INT32_MAX, 16}, 0, 20);
  definition.TimerActions.push_back(Action({0, 0, 4100, 4100}, 200, 20));
  EXPECT_EQ(Ticks(1, kRegister), "copy, write, draw 0,0 tmp.bmp null");
  EXPECT_TRUE(Shown().IsWhite(15, 35));
}

TEST_F(ScreenCaptureTest, APromptIsRenderedOnceForEachTextAndTheRegionDrawsOverIt) {
  TBmpAction action = Action({0, 0, 16, 16}, 20, 0, "\xBA\xCF\xBC\xC6");
  action.PromptX = 4;
  action.PromptY = 2;
  definition.TimerActions = {action, Action({0, 0, 16, 16}, 100, 0, "")};
  EXPECT_EQ(
      Ticks(2, kRegister),
      "copy, render \xBA\xCF\xBC\xC6, copy, write, draw 0,0 tmp.bmp null; copy, copy, list ad\\");
  for (int y = 2; y < 6; ++y) {
    EXPECT_FALSE(Shown().IsWhite(4, y)) << y;
    EXPECT_TRUE(Shown().IsWhite(5, y)) << y;
  }
  EXPECT_TRUE(Shown().IsWhite(4, 1) && Shown().IsWhite(4, 6));
  definition.TimerActions[0].PromptX = 20;  // the ink now lies under the (white) region
  definition.TimerActions[0].Prompt = "P";
  EXPECT_EQ(Ticks(1, kRegister), "copy, render P, copy, list ad\\");
  EXPECT_TRUE(Shown().IsWhite(20, 2));
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
