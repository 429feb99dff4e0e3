// The capture tick through the real Win32 adapter: a painted window in, tmp.bmp out.
#include <windows.h>

#include <gtest/gtest.h>

#include "capture/pattern_window.h"
#include "capture/screen_capture.h"
#include "platform/win_capture_system.h"
#include "support/bitmap_rows.h"
#include "support/process.h"
#include "support/window_creation_watch.h"

namespace lumo {
namespace {

class RecordingAnnouncer : public Announcer {
 public:
  void Cls(std::int32_t) override {}
  void PrintText(std::int32_t, std::int32_t, const std::string&) override {}
  void SoundOut(const std::string&) override {}
  void DrawImage(std::int32_t, std::int32_t, const std::string& path,
                 const AnnouncerRect* rect) override {
    paths.push_back(rect == nullptr ? path : "with rectangle: " + path);
  }
  std::vector<std::string> paths;
};

// A 32 x 32 client region at (40, 20) on a grey dialog: black bars 4 wide every 8 pixels
// in its top half, pale yellow below. Drawn 16 x 16 at (100, 10) it becomes bars 2 wide
// every 4 in the top 8 rows, white below; the grey around them comes out white.
class CaptureTickTest : public ::testing::Test {
 protected:
  CaptureTickTest()
      : window({300, 200}, {200, 120}, RGB(212, 208, 200),
               {{{40, 20, 44, 36}, 0},
                {{48, 20, 52, 36}, 0},
                {{56, 20, 60, 36}, 0},
                {{64, 20, 68, 36}, 0},
                {{40, 36, 72, 52}, RGB(255, 255, 192)}}) {
    const POINT origin = window.ClientOrigin();
    TBmpAction action;
    action.CaptureRect = {origin.x + 40, origin.y + 20, origin.x + 72, origin.y + 52};
    action.ImageX = 100;
    action.ImageY = 10;
    definition.TimerActions.push_back(action);
    definition.ShowLastingTicks = 30;
  }
  void Tick(ScreenCapture& capture) {
    capture.CopyTimerTimer(reinterpret_cast<WindowHandle>(window.Handle()));
  }

  test::PatternWindow window;
  ScreenDefinition definition;
  WinCaptureSystem system;
  RecordingAnnouncer announcer;
};

TEST_F(CaptureTickTest, FirstTickWritesThePatternInPlaceAndTheNextSendsNothing) {
  const std::string dir = test::MakeProgramDir("capture-tick");
  ScreenCapture capture(definition, dir, system, announcer);
  Tick(capture);
  EXPECT_EQ(announcer.paths, std::vector<std::string>{dir + "tmp.bmp"});
  std::string expected;
  for (int y = 0; y < 36; ++y) {
    for (int x = 0; x < 240; ++x) {
      const bool bar = x >= 100 && x < 116 && y >= 10 && y < 18 && (x - 100) % 4 < 2;
      expected += bar ? '#' : '.';
    }
    expected += '\n';
  }
  EXPECT_EQ(test::BitmapRows(dir + "tmp.bmp"), expected);

  DeleteFileA((dir + "tmp.bmp").c_str());
  Tick(capture);  // the same screen: no file and no driver call
  EXPECT_EQ(announcer.paths.size(), 1u);
  EXPECT_EQ(GetFileAttributesA((dir + "tmp.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(CaptureTickTest, AnUnwritableTmpBmpSendsNothingAndShowsNoBox) {
  const std::string dir = test::MakeProgramDir("capture-held");
  const std::string tmp = dir + "tmp.bmp";
  test::WriteFile(tmp, "old");
  // Held open without sharing: unwritable even for the administrator the suite runs as.
  const HANDLE holder =
      CreateFileA(tmp.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  ScreenCapture capture(definition, dir, system, announcer);
  {
    test::WindowCreationWatch watch;
    Tick(capture);
    Tick(capture);
    EXPECT_TRUE(watch.Refused().empty());
  }
  CloseHandle(holder);
  EXPECT_TRUE(announcer.paths.empty());
  EXPECT_TRUE(SameImage(capture.SentImage(), DisplayPicture()));
  EXPECT_EQ(test::ReadFile(tmp), "old");

  Tick(capture);  // free again: sent now
  EXPECT_EQ(announcer.paths.size(), 1u);
  EXPECT_EQ(test::ReadFile(tmp).size(), 1214u);
}

}  // namespace
}  // namespace lumo
