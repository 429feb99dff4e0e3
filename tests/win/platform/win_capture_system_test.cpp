// The GDI and file side of the capture: copies of a window this test paints itself, prompt
// rendering, the advertisement folder's listing and tmp.bmp's writes.
#include "platform/win_capture_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "support/process.h"

namespace lumo::test {
namespace {

using namespace std::chrono_literals;

// Client area: grey, a black block at (10, 5)-(20, 15), a red one at (30, 5)-(40, 15).
LRESULT CALLBACK PaintPattern(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_PAINT) {
    return DefWindowProcA(window, message, wparam, lparam);
  }
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  const std::pair<RECT, COLORREF> fills[] = {{client, RGB(192, 192, 192)},
                                             {{10, 5, 20, 15}, RGB(0, 0, 0)},
                                             {{30, 5, 40, 15}, RGB(255, 0, 0)}};
  for (const auto& [rect, colour] : fills) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
  }
  EndPaint(window, &paint);
  return 0;
}

TEST(WinCaptureSystem, CopiesWholeWindowCoordinatesInFullColourUntilTheWindowIsGone) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = PaintPattern;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = "LumoCapturePattern";
  RegisterClassA(&window_class);
  HWND window =
      CreateWindowExA(WS_EX_TOPMOST, window_class.lpszClassName, "Pattern", WS_POPUP | WS_CAPTION,
                      320, 240, 160, 90, nullptr, nullptr, window_class.hInstance, nullptr);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  Pump(300ms);  // let the X server map and expose it
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT origin{0, 0};  // of the client area, in whole-window coordinates
  ClientToScreen(window, &origin);
  origin = {origin.x - frame.left, origin.y - frame.top};
  ASSERT_GT(origin.y, 0) << "the window needs a caption, or frame offsets go untested";

  WinCaptureSystem system;
  const auto handle = reinterpret_cast<WindowHandle>(window);
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

  DestroyWindow(window);
  region.ResetWhite(10, 10);
  EXPECT_FALSE(system.CopyWindowRect(handle, {0, 0, 10, 10}, region));
  EXPECT_FALSE(system.CopyWindowRect(0, {0, 0, 10, 10}, region));  // never the whole screen
  EXPECT_EQ(region.pixels, std::vector<ColourPixel>(100, kWhitePixel));
}

TEST(WinCaptureSystem, PromptsFolderListingAndFileWrites) {
  WinCaptureSystem system;
  // A prompt is ink in the text cell of a fresh DC's default font.
  PromptMask one;
  PromptMask four;
  system.RenderPrompt("8", one);
  system.RenderPrompt("8888", four);
  const HDC fresh = CreateCompatibleDC(nullptr);
  SIZE cell{};
  GetTextExtentPoint32A(fresh, "8888", 4, &cell);
  DeleteDC(fresh);
  EXPECT_EQ(four.width, cell.cx);
  EXPECT_EQ(four.height, cell.cy);
  const auto ink = [](const PromptMask& mask) {
    return static_cast<int>(std::count(mask.ink.begin(), mask.ink.end(), 1));
  };
  EXPECT_GT(ink(one), 0);
  EXPECT_LT(ink(one), one.width * one.height);  // glyphs on a background, not a solid cell
  EXPECT_EQ(ink(four), 4 * ink(one));

  // Every plain file of the folder, whatever its name; no folder, hidden or system file.
  const std::string dir = MakeProgramDir("capture-files");
  CreateDirectoryA((dir + "sub.bmp").c_str(), nullptr);
  for (const char* name : {"a.bmp", "notes.txt", "hidden.bmp", "system.bmp", "locked.bmp"}) {
    WriteFile(dir + name, "x");
  }
  SetFileAttributesA((dir + "hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA((dir + "system.bmp").c_str(), FILE_ATTRIBUTE_SYSTEM);
  SetFileAttributesA((dir + "locked.bmp").c_str(), FILE_ATTRIBUTE_READONLY);
  std::vector<std::string> names{"left", "over", "from", "before", "x", "y"};
  system.ListFolderFiles(dir, names);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a.bmp", "locked.bmp", "notes.txt"}));
  system.ListFolderFiles(dir + "missing\\", names);
  EXPECT_TRUE(names.empty());

  // A write replaces the whole file; where it cannot, it fails without a word.
  const std::uint8_t bytes[] = {'B', 'M', 0, 1, 2};
  ASSERT_TRUE(system.WriteFile(dir + "tmp.bmp", bytes, sizeof bytes));
  ASSERT_TRUE(system.WriteFile(dir + "tmp.bmp", bytes, 2));
  EXPECT_EQ(ReadFile(dir + "tmp.bmp"), "BM");
  for (const std::string& path : {dir + "sub.bmp", dir + "no-such-folder\\tmp.bmp"}) {
    EXPECT_FALSE(system.WriteFile(path, bytes, sizeof bytes)) << path;
  }
}

}  // namespace
}  // namespace lumo::test
