// The capture timer end to end: Lumo.exe copying register-sim.exe's black-and-white pattern
// to the recording cts4r.dll, its advertisements while no register is attached, and a
// tmp.bmp it cannot write.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "support/bitmap_rows.h"
#include "support/lumo_program.h"
#include "support/register_sim.h"

namespace lumo::test {
namespace {

using namespace std::chrono_literals;

constexpr int kIntervalMs = 100;
constexpr int kTicksBetweenAds = 4;  // ShowLasting 300 ms: 3 unchanged ticks, then an ad
// Where the region goes on the display, and its width there: 96 x 32 drawn 16 high.
constexpr int kImageX = 100;
constexpr int kImageY = 10;
constexpr int kPlaceWidth = 48;

// The pattern area of a register-sim window in the coordinates of the whole window, frame
// and title bar included, as the screen definition gives regions.
RECT PatternInWindow(HWND sim) {
  RECT window{};
  RECT pattern{};
  GetWindowRect(sim, &window);
  GetWindowRect(GetDlgItem(sim, register_sim::kPatternId), &pattern);
  OffsetRect(&pattern, -window.left, -window.top);
  return pattern;
}

std::string Sdf(const RECT& region) {
  return "[WINDOW]\r\nCaption=\xD2\xF8\xCC\xA8\r\n"
         "[TIMER]\r\nEnable=1\r\nInterval=" +
         std::to_string(kIntervalMs) +
         "\r\nShowLasting=300\r\nActions=1\r\n"
         "[TIMER.ACTION1]\r\nS_X=" +
         std::to_string(kImageX) + "\r\nS_Y=" + std::to_string(kImageY) +
         "\r\nBMP_RECT=1\r\n[RECT]\r\n1=" + std::to_string(region.left) + "," +
         std::to_string(region.top) + "," + std::to_string(region.right) + "," +
         std::to_string(region.bottom) + "\r\n";
}

// The display with the pattern halved into its place, or a plain white region there, and
// white everywhere else.
std::string ExpectedDisplay(bool pattern) {
  std::string rows;
  for (int y = 0; y < 36; ++y) {
    for (int x = 0; x < 240; ++x) {
      const bool placed =
          x >= kImageX && x < kImageX + kPlaceWidth && y >= kImageY && y < kImageY + 16;
      rows += pattern && placed &&
                      register_sim::PatternPixelIsBlack((x - kImageX) * 2, (y - kImageY) * 2)
                  ? '#'
                  : '.';
    }
    rows += '\n';
  }
  return rows;
}

TEST(LumoCapture, AdsWhileIdleNothingWhileTmpBmpIsHeldThenEachChangeOnce) {
  // The region comes from where register-sim really shows its pattern. That copy is gone
  // before Lumo starts: a register window that gets the foreground back when Lumo hides
  // would be attached at once.
  RECT region{};
  {
    RegisterSim measured = StartRegisterSim("--pattern");
    region = PatternInWindow(measured.window);
  }
  ASSERT_EQ(region.right - region.left, register_sim::kPatternWidth);
  ASSERT_EQ(region.bottom - region.top, register_sim::kPatternHeight);
  const std::string dir = PrepareLumoDir("lumo-capture", Sdf(region));
  const std::string ad = dir + "ad\\";
  const std::string tmp = dir + "tmp.bmp";
  CreateDirectoryA(ad.c_str(), nullptr);
  WriteFile(ad + "a.bmp", "BM not really a picture");
  LumoRun run = StartInTray(dir);
  ASSERT_NE(run.main, nullptr);
  const AnnouncerRecord& record = run.record;

  // Nothing attached: only advertisements, one every fourth tick.
  std::vector<AnnouncerCall> ads;
  ASSERT_TRUE(WaitUntil([&] { return (ads = record.Calls()).size() >= 4; }, 6s));
  const std::string an_ad = "DrawImage 0 0 " + ad + "a.bmp 0,0,239,35";
  for (std::size_t i = 0; i < ads.size(); ++i) {
    EXPECT_EQ(Summary(ads[i]), an_ad);
    // Timer ticks come late under load, never early.
    const std::int64_t gap = i > 0 ? ads[i].Ms - ads[i - 1].Ms : kTicksBetweenAds * kIntervalMs;
    EXPECT_GE(gap, kTicksBetweenAds * kIntervalMs - 60) << "before ad " << i;
    EXPECT_LE(gap, 4000) << "before ad " << i;
  }
  EXPECT_FALSE(FileExists(tmp));

  // tmp.bmp held open without sharing: unwritable even for the administrator the suite runs
  // as. Attached, every tick tries to send and fails: no call at all, and no box.
  WriteFile(tmp, "old");
  HANDLE holder = CreateFileA(tmp.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  RegisterSim sim = StartRegisterSim("--pattern");
  ASSERT_EQ(PatternInWindow(sim.window).left, region.left);
  SetForegroundWindow(sim.window);
  ASSERT_TRUE(WaitUntil([&] { return StatusText(run.main) == kRunning; }));
  Sleep(3 * kIntervalMs);  // an advertisement already due may still come
  const std::size_t before_hold = record.Calls().size();
  Sleep(10 * kIntervalMs);
  EXPECT_EQ(record.Calls().size(), before_hold);
  EXPECT_EQ(FindProcessWindow(run.process.Id(), "#32770"), nullptr);
  CloseHandle(holder);

  // Free again: the next tick sends the picture, once, without a rectangle.
  std::vector<AnnouncerCall> calls = record.WaitForCalls(before_hold + 1);
  ASSERT_GT(calls.size(), before_hold);
  const AnnouncerCall sent = calls[before_hold];
  EXPECT_EQ(Summary(sent), "DrawImage 0 0 " + tmp + " null");
  EXPECT_EQ(BitmapRows(record.CopyPath(sent)), ExpectedDisplay(true));
  EXPECT_EQ(BitmapRows(tmp), ExpectedDisplay(true));

  // The same screen after that: nothing is sent again, and the advertisements resume after
  // three unchanged ticks.
  Sleep(15 * kIntervalMs);
  calls = record.Calls();
  ASSERT_GT(calls.size(), before_hold + 1);
  EXPECT_GE(calls[before_hold + 1].Ms - sent.Ms, kTicksBetweenAds * kIntervalMs - 60);
  for (std::size_t i = before_hold + 1; i < calls.size(); ++i) {
    EXPECT_EQ(Summary(calls[i]), an_ad);
  }
  EXPECT_EQ(FindProcessWindow(run.process.Id(), "#32770"), nullptr);

  // The register closes: the service stops and only advertisements follow.
  PostMessageW(sim.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return StatusText(run.main) == kStopped; }));
  const std::size_t at_stop = record.Calls().size();
  Sleep(10 * kIntervalMs);
  calls = record.Calls();
  EXPECT_GT(calls.size(), at_stop);
  for (std::size_t i = at_stop; i < calls.size(); ++i) {
    EXPECT_EQ(Summary(calls[i]), an_ad);
  }

  // A register without the pattern attaches: its white area differs from the picture last
  // sent, and that is sent at once.
  RegisterSim plain = StartRegisterSim();
  SetForegroundWindow(plain.window);
  ASSERT_TRUE(WaitUntil([&] { return StatusText(run.main) == kRunning; }));
  std::vector<AnnouncerCall>::const_iterator white;
  ASSERT_TRUE(WaitUntil([&] {
    calls = record.Calls();
    white = std::find_if(calls.begin() + static_cast<std::ptrdiff_t>(at_stop), calls.end(),
                         [&](const AnnouncerCall& call) { return call.Text == tmp; });
    return white != calls.end();
  }));
  EXPECT_FALSE(white->HasRect);
  EXPECT_EQ(BitmapRows(record.CopyPath(*white)), ExpectedDisplay(false));
}

}  // namespace
}  // namespace lumo::test
