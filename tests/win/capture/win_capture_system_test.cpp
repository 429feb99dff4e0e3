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

TEST(WinCaptureSystem, CopiesWholeWindowCoordinatesInFullColourUntilTheWindowIsGone) {
  // Client area: grey, a black block at (10, 5)-(20, 15), a red one at (30, 5)-(40, 15).
  test::PatternWindow window({320, 240}, {160, 90}, RGB(192, 192, 192),
                             {{{10, 5, 20, 15}, RGB(0, 0, 0)}, {{30, 5, 40, 15}, RGB(255, 0, 0)}});
  const auto handle = reinterpret_cast<WindowHandle>(window.Handle());
  const POINT origin = window.ClientOrigin();
  ASSERT_GT(origin.y, 0) << "the window needs a caption, or frame offsets go untested";

  WinCaptureSystem system;
  ColourRegion region;
  region.ResetWhite(40, 20);  // client pixels (5, 0)-(45, 20)
  ASSERT_TRUE(system.CopyWindowRect(handle, {origin.x + 5, origin.y, origin.x + 45, origin.y + 20},
                                    region));
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      const bool rows = y >= 5 && y < 15;
      const ColourPixel expected = rows && x >= 5 && x < 15    ? 0x000000
                                   : rows && x >= 25 && x < 35 ? 0xFF0000
                                                               : 0xC0C0C0;
      ASSERT_EQ(region.At(x, y), expected) << x << "," << y;
    }
  }
  // A smaller copy after a larger one still lands at (0, 0) of its target.
  region.ResetWhite(2, 2);
  ASSERT_TRUE(system.CopyWindowRect(
      handle, {origin.x + 12, origin.y + 6, origin.x + 14, origin.y + 8}, region));
  EXPECT_EQ(region.pixels, std::vector<ColourPixel>(4, 0x000000));

  window.Destroy();
  region.ResetWhite(10, 10);
  EXPECT_FALSE(system.CopyWindowRect(handle, {0, 0, 10, 10}, region));
  EXPECT_FALSE(system.CopyWindowRect(0, {0, 0, 10, 10}, region));  // never the whole screen
  EXPECT_EQ(region.pixels, std::vector<ColourPixel>(100, kWhitePixel));
}

TEST(WinCaptureSystem, PromptsAreInkInTheCellOfAFreshDcsDefaultFont) {
  WinCaptureSystem system;
  PromptMask one;
  PromptMask four;
  PromptMask chinese;
  system.RenderPrompt("8", one);
  system.RenderPrompt("8888", four);
  system.RenderPrompt("\xBA\xCF\xBC\xC6", chinese);  // "total" in GBK
  const auto ink = [](const PromptMask& mask) {
    return static_cast<int>(std::count(mask.ink.begin(), mask.ink.end(), 1));
  };
  const HDC fresh = CreateCompatibleDC(nullptr);
  SIZE cell{};
  GetTextExtentPoint32A(fresh, "8888", 4, &cell);
  DeleteDC(fresh);
  EXPECT_EQ(four.width, cell.cx);
  EXPECT_EQ(four.height, cell.cy);
  EXPECT_GT(ink(one), 0);
  EXPECT_LT(ink(one), one.width * one.height);  // glyphs on a background, not a solid cell
  EXPECT_EQ(ink(four), 4 * ink(one));
  EXPECT_GT(ink(chinese), 0);
}

TEST(WinCaptureSystem, ListsOnlyPlainFilesOfTheFolder) {
  const std::string ads = test::MakeProgramDir("capture-list") + "ad\\";
  CreateDirectoryA(ads.c_str(), nullptr);
  CreateDirectoryA((ads + "sub").c_str(), nullptr);
  for (const char* name : {"a.bmp", "notes.txt", "hidden.bmp", "system.bmp", "locked.bmp"}) {
    test::WriteFile(ads + name, "x");
  }
  SetFileAttributesA((ads + "hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((ads + "system.bmp").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((ads + "locked.bmp").c_str(), FILE_ATTRIBUTE_READONLY);

  WinCaptureSystem system;
  std::vector<std::string> names{"left", "over", "from", "before", "x", "y"};
  system.ListFolderFiles(ads, names);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.bmp", "locked.bmp", "notes.txt"}));
  system.ListFolderFiles(ads + "missing\\", names);
  EXPECT_TRUE(names.empty());
}

TEST(WinCaptureSystem, WritesFilesAndFailsWithoutABoxWhereItCannot) {
  const std::string dir = test::MakeProgramDir("capture-write");
  WinCaptureSystem system;
  const std::uint8_t bytes[] = {'B', 'M', 0, 1, 2};
  ASSERT_TRUE(system.WriteFile(dir + "tmp.bmp", bytes, sizeof bytes));
  ASSERT_TRUE(system.WriteFile(dir + "tmp.bmp", bytes, 2));  // overwritten, not appended
  EXPECT_EQ(test::ReadFile(dir + "tmp.bmp"), "BM");

  // Unwritable even for an administrator (the suite runs as root under Wine, where a
  // read-only attribute alone stops no write): a file held open without sharing, a name
  // taken by a folder, a missing folder, a missing drive.
  const std::string held = dir + "held.bmp";
  test::WriteFile(held, "old");
  const HANDLE holder =
      CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  CreateDirectoryA((dir + "folder.bmp").c_str(), nullptr);
  {
    test::WindowCreationWatch watch;
    ASSERT_TRUE(watch.Active());
    for (const std::string& path : {held, dir + "folder.bmp", dir + "no-such-folder\\tmp.bmp",
                                    std::string("Q:\\no-drive\\tmp.bmp")}) {
      EXPECT_FALSE(system.WriteFile(path, bytes, sizeof bytes)) << path;
    }
    EXPECT_TRUE(watch.Refused().empty());
  }
  CloseHandle(holder);
  EXPECT_EQ(test::ReadFile(held), "old");
}

}  // namespace
}  // namespace lumo
