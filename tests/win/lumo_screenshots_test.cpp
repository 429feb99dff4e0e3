// What a person sees on screen, checked pixel by pixel: the stand-in driver's announcer
// window beside Lumo.exe, and the notification-area menu's Chinese items.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/monitor_ids.h"
#include "capture/braille_picture.h"
#include "cts4r/announcer_view.h"
#include "support/bitmap_rows.h"
#include "support/lumo_program.h"
#include "support/paths.h"
#include "support/register_sim.h"
#include "support/screenshot.h"
#include "support/window_text.h"

namespace lumo::test {
namespace {

// The screen over a window's client area, one string per row: '#' where a pixel is darker
// than half brightness, '.' elsewhere.
std::vector<std::string> DarkRows(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  std::vector<std::uint32_t> pixels(r.right * r.bottom);
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, r.right, r.bottom, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(memory, old);
  GetDIBits(memory, bitmap, 0, r.bottom, pixels.data(), &info, DIB_RGB_COLORS);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  std::vector<std::string> rows(r.bottom, std::string(r.right, '.'));
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const std::uint32_t p = pixels[i];
    if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 128) {
      rows[i / r.right][i % r.right] = '#';
    }
  }
  return rows;
}

TEST(Screenshots, AnnouncerWindowShowsBothLinesTheSpeechAndTheDisplayTwiceItsSize) {
  RegisterSim sim = StartRegisterSim();  // before Lumo, which copies its screen
  SetEnvironmentVariableA("LUMO_ANNOUNCER_WINDOW", "1");
  LumoRun run =
      StartInTray(PrepareLumoDir("announcer-window", ReadFile(BinDir() + "demo\\Lumo.sdf")));
  SetEnvironmentVariableA("LUMO_ANNOUNCER_WINDOW", nullptr);
  ASSERT_NE(run.main, nullptr);
  SetForegroundWindow(sim.window);
  HWND view = nullptr;
  // "应收 12.50", "合计 12.50", "语音: 12.50元整": the demo's show commands.
  const std::wstring expected[] = {L"\u5E94\u6536 12.50", L"\u5408\u8BA1 12.50",
                                   L"\u8BED\u97F3: 12.50\u5143\u6574"};
  ASSERT_TRUE(WaitUntil([&] {
    view = FindProcessWindow(run.process.Id(), "LumoAnnouncerView");
    return view != nullptr && TextOf(GetDlgItem(view, cts4r::kViewSpokenId)) == expected[2] &&
           !run.record.Calls().empty() && run.record.Calls().back().Name == "DrawImage";
  }));
  EXPECT_EQ(TextOf(GetDlgItem(view, cts4r::kViewLine1Id)), expected[0]);
  EXPECT_EQ(TextOf(GetDlgItem(view, cts4r::kViewLine2Id)), expected[1]);
  EXPECT_NE(GetForegroundWindow(), view);
  // The picture given, and its braille text beside the driver's copy.
  const std::string copy = run.record.CopyPath(run.record.Calls().back());
  const std::string rows = BitmapRows(copy);
  ASSERT_EQ(rows.size(), (kDisplayWidth + 1u) * kDisplayHeight);
  ASSERT_NE(rows.find('#'), std::string::npos);
  const auto black = [&rows](int x, int y) { return rows[y * (kDisplayWidth + 1) + x] == '#'; };
  EXPECT_EQ(ReadFile(copy.substr(0, copy.size() - 4) + ".txt"),
            BraillePicture(kDisplayWidth, kDisplayHeight, black));

  Sleep(300);  // painted
  EXPECT_FALSE(SaveScreenshot(view, "announcer-window").empty());
  const std::vector<std::string> shown = DarkRows(view);
  int wrong = 0;  // screen pixels of the zoomed display that differ from the picture's
  for (int y = 0; y < kDisplayHeight * cts4r::kViewZoom; ++y) {
    for (int x = 0; x < kDisplayWidth * cts4r::kViewZoom; ++x) {
      wrong += (shown[cts4r::kViewPictureY + y][cts4r::kViewPictureX + x] == '#') !=
               black(x / cts4r::kViewZoom, y / cts4r::kViewZoom);
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(Screenshots, TrayMenuItemsDrawTheirChineseCharacters) {
  LumoRun run = StartInTray(PrepareLumoDir("tray-menu", "[WINDOW]\r\nCaption=checkout\r\n"));
  ASSERT_NE(run.main, nullptr);
  // Under Wine without a window manager the menu of a hidden window is at times closed by
  // a focus change right after it opens: a person would press the button again.
  std::vector<std::string> shown;
  for (int attempt = 0; attempt < 8 && shown.empty(); ++attempt) {
    PostMessageW(run.main, kWmTrayNotify, 0, WM_RBUTTONDOWN);
    HWND menu =
        WaitForProcessWindow(run.process.Id(), "#32768", "", nullptr, std::chrono::seconds(1));
    Sleep(300);  // painted
    if (menu != nullptr && IsWindowVisible(menu)) {
      shown = DarkRows(menu);
      EXPECT_FALSE(SaveScreenshot(menu, "tray-menu").empty());
    }
  }
  ASSERT_FALSE(shown.empty());
  // Each item with text is a run of rows with dark pixels. The first two items, "恢复窗口[R]"
  // and "编辑热键[H]", begin at the same column; drawn as boxes, their first four characters
  // would be the same four boxes: compare the left half of their text.
  std::vector<std::size_t> tops;
  std::size_t left = std::string::npos;
  std::size_t right = 0;
  for (std::size_t y = 0; y < shown.size(); ++y) {
    const std::size_t first = shown[y].find('#');
    if (first != std::string::npos && (y == 0 || shown[y - 1].find('#') == std::string::npos)) {
      tops.push_back(y);
    }
    if (first != std::string::npos && tops.size() <= 2) {
      left = std::min(left, first);
      right = std::max(right, shown[y].rfind('#'));
    }
  }
  ASSERT_GE(tops.size(), 2u);
  int differing = 0;
  for (std::size_t y = 0; y < tops[1] - tops[0]; ++y) {
    for (std::size_t x = left; x < (left + right) / 2; ++x) {
      differing += shown[tops[0] + y][x] != shown[tops[1] + y][x];
    }
  }
  EXPECT_GT(differing, 20);
}

}  // namespace
}  // namespace lumo::test
