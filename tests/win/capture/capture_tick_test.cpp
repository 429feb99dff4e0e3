// The capture tick through the real Win32 adapter: a painted window in, tmp.bmp out.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capture/pattern_window.h"
#include "capture/screen_capture.h"
#include "platform/win_capture_system.h"
#include "support/process.h"
#include "support/window_creation_watch.h"

namespace lumo {
namespace {

using test::PatternWindow;

struct Drawn {
  std::string path;
  bool has_rect;
};

class RecordingAnnouncer : public Announcer {
 public:
  void Cls(std::int32_t) override {}
  void PrintText(std::int32_t, std::int32_t, const std::string&) override {}
  void SoundOut(const std::string&) override {}
  void DrawImage(std::int32_t, std::int32_t, const std::string& path,
                 const AnnouncerRect* rect) override {
    draws.push_back({path, rect != nullptr});
  }
  std::vector<Drawn> draws;
};

// The pixels of a bitmap file as Windows itself reads it: true = white.
std::vector<std::vector<bool>> LoadWithWindows(const std::string& path, BITMAP& info) {
  const auto bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  std::vector<std::vector<bool>> rows;
  if (bitmap == nullptr) {
    return rows;
  }
  GetObjectA(bitmap, sizeof info, &info);
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof(request.bmiHeader);
  request.bmiHeader.biWidth = info.bmWidth;
  request.bmiHeader.biHeight = -info.bmHeight;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth * info.bmHeight));
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(), &request,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  for (int y = 0; y < info.bmHeight; ++y) {
    std::vector<bool> row;
    for (int x = 0; x < info.bmWidth; ++x) {
      row.push_back((pixels[static_cast<std::size_t>(y * info.bmWidth + x)] & 0xFFFFFF) ==
                    0xFFFFFF);
    }
    rows.push_back(row);
  }
  return rows;
}

// A 32 x 32 client region at (40, 20) on a grey dialog: black bars 4 pixels wide every 8
// pixels in its top half, a pale yellow block in its bottom half. Drawn 16 x 16 at
// (100, 10) it becomes bars 2 wide every 4 in the top 8 rows, white below.
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
  WindowHandle Register() const { return reinterpret_cast<WindowHandle>(window.Handle()); }

  PatternWindow window;
  ScreenDefinition definition;
  WinCaptureSystem system;
  RecordingAnnouncer announcer;
};

TEST_F(CaptureTickTest, FirstTickWritesThePatternInPlaceAndTheNextSendsNothing) {
  const std::string dir = test::MakeProgramDir("capture-tick");
  ScreenCapture capture(definition, dir, system, announcer);
  capture.CopyTimerTimer(Register());
  ASSERT_EQ(announcer.draws.size(), 1u);
  EXPECT_EQ(announcer.draws[0].path, dir + "tmp.bmp");
  EXPECT_FALSE(announcer.draws[0].has_rect);

  BITMAP info{};
  const auto rows = LoadWithWindows(dir + "tmp.bmp", info);
  ASSERT_EQ(rows.size(), 36u);
  EXPECT_EQ(info.bmWidth, 240);
  EXPECT_EQ(info.bmBitsPixel, 1);
  for (int y = 0; y < 36; ++y) {
    for (int x = 0; x < 240; ++x) {
      const bool in_place = x >= 100 && x < 116 && y >= 10 && y < 26;
      const bool bar = in_place && y < 18 && (x - 100) % 4 < 2;
      ASSERT_EQ(rows[y][x], !bar) << x << "," << y;
    }
  }

  // Unchanged screen: no file and no driver call.
  DeleteFileA((dir + "tmp.bmp").c_str());
  capture.CopyTimerTimer(Register());
  EXPECT_EQ(announcer.draws.size(), 1u);
  EXPECT_EQ(GetFileAttributesA((dir + "tmp.bmp").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(capture.IdleTicks(), 1);
}

TEST_F(CaptureTickTest, AnUnwritableTmpBmpSendsNothingAndShowsNoBox) {
  const std::string dir = test::MakeProgramDir("capture-held");
  const std::string tmp = dir + "tmp.bmp";
  test::WriteFile(tmp, "old");
  // Held open without sharing: unwritable even for the administrator this suite runs as.
  const HANDLE holder =
      CreateFileA(tmp.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  ScreenCapture capture(definition, dir, system, announcer);
  {
    test::WindowCreationWatch watch;
    capture.CopyTimerTimer(Register());
    capture.CopyTimerTimer(Register());
    EXPECT_TRUE(watch.Refused().empty());
  }
  CloseHandle(holder);
  EXPECT_TRUE(announcer.draws.empty());
  EXPECT_TRUE(SameImage(capture.SentImage(), DisplayPicture()));
  EXPECT_FALSE(SameImage(capture.DisplayImage(), DisplayPicture()));
  EXPECT_EQ(test::ReadFile(tmp), "old");

  capture.CopyTimerTimer(Register());  // the file is free again: sent now
  ASSERT_EQ(announcer.draws.size(), 1u);
  EXPECT_EQ(test::ReadFile(tmp).size(), 1214u);
}

}  // namespace
}  // namespace lumo
