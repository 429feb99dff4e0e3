// The GDI and file side of the capture, against a window this test paints itself.
#include "platform/win_capture_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "capture/pattern_window.h"
#include "support/process.h"
#include "support/window_creation_watch.h"

namespace lumo {
namespace {

using test::PatternWindow;

constexpr COLORREF kGrey = RGB(192, 192, 192);

// Client area: grey, a black block at (10, 5)-(20, 15) and a red one at (30, 5)-(40, 15).
PatternWindow MakeWindow() {
  return PatternWindow({320, 240}, {160, 90}, kGrey,
                       {{{10, 5, 20, 15}, RGB(0, 0, 0)}, {{30, 5, 40, 15}, RGB(255, 0, 0)}});
}

TEST(WinCaptureSystem, CopiesWholeWindowCoordinatesInFullColour) {
  PatternWindow window = MakeWindow();
  ASSERT_NE(window.Handle(), nullptr);
  const POINT origin = window.ClientOrigin();
  ASSERT_GT(origin.y, 0) << "the window needs a caption, or frame offsets go untested";

  // The client pixels (5, 0)-(45, 20), given in whole-window coordinates.
  const CaptureRectangle rect{origin.x + 5, origin.y, origin.x + 45, origin.y + 20};
  ColourRegion region;
  region.ResetWhite(40, 20);
  WinCaptureSystem system;
  ASSERT_TRUE(system.CopyWindowRect(reinterpret_cast<WindowHandle>(window.Handle()), rect, region));
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      const int cx = x + 5;
      const bool in_rows = y >= 5 && y < 15;
      ColourPixel expected = 0xC0C0C0;
      if (in_rows && cx >= 10 && cx < 20) {
        expected = 0x000000;
      } else if (in_rows && cx >= 30 && cx < 40) {
        expected = 0xFF0000;
      }
      ASSERT_EQ(region.At(x, y), expected) << x << "," << y;
    }
  }

  // A smaller copy after a larger one reuses the surface and still lands at (0, 0).
  const CaptureRectangle small{origin.x + 12, origin.y + 6, origin.x + 14, origin.y + 8};
  region.ResetWhite(2, 2);
  ASSERT_TRUE(
      system.CopyWindowRect(reinterpret_cast<WindowHandle>(window.Handle()), small, region));
  EXPECT_TRUE(std::all_of(region.pixels.begin(), region.pixels.end(),
                          [](ColourPixel pixel) { return pixel == 0; }));
}

TEST(WinCaptureSystem, ACopyOfAWindowThatIsGoneFailsAndLeavesTheTargetWhite) {
  PatternWindow window = MakeWindow();
  const auto handle = reinterpret_cast<WindowHandle>(window.Handle());
  window.Destroy();
  ColourRegion region;
  region.ResetWhite(10, 10);
  WinCaptureSystem system;
  EXPECT_FALSE(system.CopyWindowRect(handle, {0, 0, 10, 10}, region));
  EXPECT_FALSE(system.CopyWindowRect(0, {0, 0, 10, 10}, region));
  EXPECT_TRUE(std::all_of(region.pixels.begin(), region.pixels.end(),
                          [](ColourPixel pixel) { return pixel == kWhitePixel; }));
}

int InkCount(const PromptMask& mask) {
  return static_cast<int>(std::count(mask.ink.begin(), mask.ink.end(), 1));
}

TEST(WinCaptureSystem, PromptsRenderInTheDefaultFontAsInkInATextCell) {
  WinCaptureSystem system;
  PromptMask one;
  PromptMask four;
  system.RenderPrompt("8", one);
  system.RenderPrompt("8888", four);
  ASSERT_GT(one.width, 0);
  ASSERT_GT(one.height, 0);
  EXPECT_EQ(four.height, one.height);
  EXPECT_EQ(four.width, 4 * one.width);
  EXPECT_GT(InkCount(one), 0);
  EXPECT_EQ(InkCount(four), 4 * InkCount(one));
  EXPECT_LT(InkCount(one), one.width * one.height);  // ink on a background, not a solid cell

  // The cell comes from a fresh DC's default font, whatever the test's own DCs hold.
  const HDC fresh = CreateCompatibleDC(nullptr);
  SIZE cell{};
  GetTextExtentPoint32A(fresh, "8888", 4, &cell);
  DeleteDC(fresh);
  EXPECT_EQ(four.width, cell.cx);
  EXPECT_EQ(four.height, cell.cy);

  PromptMask chinese;
  system.RenderPrompt("\xBA\xCF\xBC\xC6", chinese);  // "total" in GBK, two characters
  EXPECT_GT(InkCount(chinese), 0);
  EXPECT_GT(chinese.width, 0);
}

TEST(WinCaptureSystem, ListsOnlyPlainFilesOfTheFolder) {
  const std::string dir = test::MakeProgramDir("capture-list");
  const std::string ads = dir + "ad\\";
  CreateDirectoryA(ads.c_str(), nullptr);
  for (const char* name : {"a.bmp", "notes.txt", "hidden.bmp", "system.bmp", "locked.bmp"}) {
    test::WriteFile(ads + name, "x");
  }
  CreateDirectoryA((ads + "sub").c_str(), nullptr);
  test::WriteFile(ads + "sub\\inner.bmp", "x");
  SetFileAttributesA((ads + "hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((ads + "system.bmp").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((ads + "locked.bmp").c_str(), FILE_ATTRIBUTE_READONLY);

  WinCaptureSystem system;
  std::vector<std::string> names{"left", "over", "from", "before", "x", "y"};
  system.ListFolderFiles(ads, names);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.bmp", "locked.bmp", "notes.txt"}));

  system.ListFolderFiles(dir + "missing\\", names);
  EXPECT_TRUE(names.empty());
  SetFileAttributesA((ads + "locked.bmp").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WinCaptureSystem, WritesFilesAndFailsWithoutABoxWhereItCannot) {
  const std::string dir = test::MakeProgramDir("capture-write");
  WinCaptureSystem system;
  const std::uint8_t bytes[] = {'B', 'M', 0, 1, 2};
  ASSERT_TRUE(system.WriteFile(dir + "tmp.bmp", bytes, sizeof bytes));
  ASSERT_TRUE(system.WriteFile(dir + "tmp.bmp", bytes, 2));  // overwritten, not appended
  EXPECT_EQ(test::ReadFile(dir + "tmp.bmp"), "BM");

  // Places that cannot be written even by an administrator (this suite runs as root under
  // Wine, where a read-only attribute alone does not stop a write): a file another handle
  // holds without sharing, a name taken by a folder, a missing folder and a missing drive.
  const std::string held = dir + "held.bmp";
  test::WriteFile(held, "old");
  const HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  CreateDirectoryA((dir + "folder.bmp").c_str(), nullptr);
  {
    test::WindowCreationWatch watch;
    ASSERT_TRUE(watch.Active());
    EXPECT_FALSE(system.WriteFile(held, bytes, sizeof bytes));
    EXPECT_FALSE(system.WriteFile(dir + "folder.bmp", bytes, sizeof bytes));
    EXPECT_FALSE(system.WriteFile(dir + "no-such-folder\\tmp.bmp", bytes, sizeof bytes));
    EXPECT_FALSE(system.WriteFile("Q:\\no-drive\\tmp.bmp", bytes, sizeof bytes));
    EXPECT_TRUE(watch.Refused().empty());
  }
  CloseHandle(holder);
  EXPECT_EQ(test::ReadFile(held), "old");
}

}  // namespace
}  // namespace lumo
