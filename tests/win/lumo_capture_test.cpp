// The capture timer end to end: Lumo.exe copying register-sim.exe's amount display in each
// of its screens to the recording cts4r.dll, its advertisements while no register is
// attached, a tmp.bmp it cannot write, and a field with the blinking caret.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/win_capture_system.h"
#include "support/lumo_program.h"

namespace lumo::test {
namespace {

namespace rs = register_sim;

constexpr int kIntervalMs = 100;
constexpr int kTicksBetweenAds = 4;  // ShowLasting 300 ms: 3 unchanged ticks, then an ad

// Two regions, drawn 1:1: the digits' middle band at (0, 0), and the amount field that holds
// the caret at (140, 20). Each in the client coordinates of a control.
struct Region {
  int id;
  RECT area;
};
const Region kRegions[] = {{rs::kAmountDisplayId, {4, 15, 244, 31}},
                           {rs::kAmountDueId, {0, 1, 96, 17}}};

// A region in whole-window coordinates, as the screen definition gives it.
CaptureRectangle InWindow(HWND sim, const Region& region) {
  RECT window{};
  GetWindowRect(sim, &window);
  POINT origin{0, 0};
  ClientToScreen(GetDlgItem(sim, region.id), &origin);
  const LONG x = origin.x - window.left;
  const LONG y = origin.y - window.top;
  return {region.area.left + x, region.area.top + y, region.area.right + x, region.area.bottom + y};
}

std::string Sdf(const CaptureRectangle (&rects)[2]) {
  std::string sdf = "[WINDOW]\r\nCaption=\xD2\xF8\xCC\xA8\r\n[TIMER]\r\nEnable=1\r\nInterval=" +
                    std::to_string(kIntervalMs) +
                    "\r\nShowLasting=300\r\nActions=2\r\n[TIMER.ACTION1]\r\nBMP_RECT=1\r\n"
                    "[TIMER.ACTION2]\r\nBMP_RECT=2\r\nS_X=140\r\nS_Y=20\r\n[RECT]\r\n";
  for (int i = 0; i < 2; ++i) {
    const CaptureRectangle& r = rects[i];
    sdf += std::to_string(i + 1) + "=" + std::to_string(r.Left) + "," + std::to_string(r.Top) +
           "," + std::to_string(r.Right) + "," + std::to_string(r.Bottom) + "\r\n";
  }
  return sdf;
}

ColourRegion Copy(HWND sim, const CaptureRectangle& rect) {
  ColourRegion region;
  region.ResetWhite(rect.Right - rect.Left, rect.Bottom - rect.Top);
  WinCaptureSystem().CopyWindowRect(reinterpret_cast<WindowHandle>(sim), rect, region);
  return region;
}

TEST(LumoCapture, AdsWhileIdleEachScreenBlackOnWhiteSentOnceAndNothingWhileTmpBmpIsHeld) {
  CaptureRectangle rects[2];
  {  // gone before Lumo starts: a register that gets the front back would be attached at once
    RegisterSim measured = StartRegisterSim("--screen white");
    for (int i = 0; i < 2; ++i) {
      rects[i] = InWindow(measured.window, kRegions[i]);
    }
  }
  const std::string dir = PrepareLumoDir("lumo-capture", Sdf(rects));
  const std::string ad = dir + "ad\\";
  const std::string tmp = dir + "tmp.bmp";
  CreateDirectoryA(ad.c_str(), nullptr);
  WriteFile(ad + "a.bmp", "BM not really a picture");
  WriteFile(ad + "hidden.bmp", "BM");  // hidden files are no advertisements
  SetFileAttributesA((ad + "hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
  LumoRun run = StartLumo(dir);
  ASSERT_NE(run.main, nullptr);
  const AnnouncerRecord& record = run.record;
  const std::string an_ad = "DrawImage 0 0 " + ad + "a.bmp 0,0,239,35";

  // Nothing attached: only advertisements, one every fourth tick (a tick may come late under
  // load, and the next one on time).
  std::vector<AnnouncerCall> calls;
  ASSERT_TRUE(WaitUntil([&] { return (calls = record.Calls()).size() >= 3; }, 6s));
  for (const AnnouncerCall& call : calls) {
    EXPECT_EQ(call.Summary, an_ad);
  }
  EXPECT_GE(calls.back().Ms - calls[0].Ms,
            static_cast<std::int64_t>(calls.size() - 1) * kTicksBetweenAds * kIntervalMs - 60);
  EXPECT_EQ(GetFileAttributesA(tmp.c_str()), INVALID_FILE_ATTRIBUTES);
  // tmp.bmp held open without sharing, unwritable even for the administrator the suite runs
  // as, while the first register attaches.
  WriteFile(tmp, "old");
  HANDLE holder = CreateFileA(tmp.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);

  const char* amounts[] = {"12.50", "34.00", "56.70"};  // every screen's picture is new
  for (std::size_t s = 0; s < std::size(rs::kScreens); ++s) {
    const rs::Screen& screen = rs::kScreens[s];
    SCOPED_TRACE(screen.name);
    const std::size_t before = record.Calls().size();
    RegisterSim sim = StartRegisterSim(std::string("--screen ") + screen.name +
                                       " --focus 1001 --text \"2002=0 1 2 3 4 5 6 7 8 9\"" +
                                       " --text 1001=" + amounts[s]);
    SetForegroundWindow(sim.window);
    ASSERT_TRUE(WaitUntil([&] { return StatusText(run.main) == kRunning; }));
    if (holder != INVALID_HANDLE_VALUE) {
      // Every tick tries to send and fails: no call at all, and no box.
      Sleep(3 * kIntervalMs);  // an advertisement already due may still come
      const std::size_t held = record.Calls().size();
      Sleep(10 * kIntervalMs);
      EXPECT_EQ(record.Calls().size(), held);
      EXPECT_EQ(WindowOf(run.process.Id(), "#32770", true, 0ms), nullptr);
      CloseHandle(holder);
      holder = INVALID_HANDLE_VALUE;
    }
    // Advertisements until the picture, which is sent at once, without a rectangle.
    std::size_t sent = 0;
    ASSERT_TRUE(WaitUntil([&] {
      calls = record.Calls();
      sent = std::find_if(calls.begin() + before, calls.end(),
                          [&](const AnnouncerCall& call) { return call.Text == tmp; }) -
             calls.begin();
      return sent < calls.size();
    }));
    for (std::size_t i = before; i < sent; ++i) {
      EXPECT_EQ(calls[i].Summary, an_ad);
    }
    EXPECT_EQ(calls[sent].Summary, "DrawImage 0 0 " + tmp + " null");
    const std::vector<std::string> picture = BitmapRows(calls[sent].CopyPath);
    ASSERT_EQ(picture.size(), 36u);
    ASSERT_EQ(picture[0].size(), 240u);

    // At 1:1 what differs from the field is black, and the field white.
    const ColourRegion reference = Copy(sim.window, rects[0]);
    int seen[2][2] = {};  // [pixel differs from the field][drawn black]
    for (int y = 0; y < reference.height; ++y) {
      for (int x = 0; x < reference.width; ++x) {
        ++seen[reference.At(x, y) != screen.field][picture[y][x] == '#'];
      }
    }
    const int differing = seen[1][0] + seen[1][1];
    EXPECT_EQ(seen[0][1], 0);
    EXPECT_GT(differing, 500);
    EXPECT_GE(seen[1][1] * 100, differing * 95) << seen[1][1] << " of " << differing;

    // The caret blinks in the amount field, and yet the picture is not sent again: only
    // advertisements follow, from the fourth unchanged tick on. (Once: colours play no part.)
    if (s == 0) {
      std::set<std::vector<ColourPixel>> field_looks;
      for (int i = 0; i < 30; ++i) {
        field_looks.insert(Copy(sim.window, rects[1]).pixels);
        Sleep(80);
      }
      EXPECT_GE(field_looks.size(), 2u);
      calls = record.Calls();
      ASSERT_GT(calls.size(), sent + 1);
      // (The copying tick sends late in its run, an advertisement's tick early.)
      EXPECT_GE(calls[sent + 1].Ms - calls[sent].Ms, (kTicksBetweenAds - 1) * kIntervalMs - 50);
      for (std::size_t i = sent + 1; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].Summary, an_ad);
      }
    }
    PostMessageW(sim.window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return StatusText(run.main) == kStopped; }));
  }
}

}  // namespace
}  // namespace lumo::test
