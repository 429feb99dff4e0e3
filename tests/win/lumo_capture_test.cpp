// The capture timer end to end: Lumo.exe copying register-sim.exe's amount display in each
// of its screens to the recording cts4r.dll, its advertisements while no register is
// attached, a tmp.bmp it cannot write, and a field with the blinking caret. Beside it the
// support log of that day: held by someone else, so that it goes to the fallback folder,
// with a hotkey whose speech the driver fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/win_capture_system.h"
#include "support/input.h"
#include "support/lumo_program.h"

namespace lumo::test {
namespace {

namespace rs = register_sim;
using namespace std::string_literals;

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

// Ctrl+Alt+F6 "Thanks": clears the display, prints "paid" and speaks "thanks".
const std::string kThanksHotkey =
    "\x06\x1FHotkey definitions, version 1.0\x01"
    "\x06\x06Thanks\x02\0\x06\x1A"
    "Display=~paid^Speak=thanks\x09\x09\x08\x08\x02\x4A\x09\0"s;

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
  if (!CombinationIsFree(MOD_CONTROL | MOD_ALT, VK_F6)) {
    GTEST_SKIP() << "Ctrl+Alt+F6 is not free";
  }
  const std::string dir = PrepareLumoDir("lumo-capture", Sdf(rects));
  WriteFile(dir + "Lumo.hkd", kThanksHotkey);
  WriteFile(dir + "Lumo.log", "held");
  HANDLE log_holder =
      CreateFileA((dir + "Lumo.log").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(log_holder, INVALID_HANDLE_VALUE);
  CreateDirectoryA((dir + "local").c_str(), nullptr);
  SetEnvironmentVariableA("LOCALAPPDATA", (dir + "local").c_str());
  SetEnvironmentVariableA("LUMO_ANNOUNCER_FAIL", "SoundOut");
  const std::string ad = dir + "ad\\";
  const std::string tmp = dir + "tmp.bmp";
  CreateDirectoryA(ad.c_str(), nullptr);
  WriteFile(ad + "a.bmp", "BM not really a picture");
  WriteFile(ad + "hidden.bmp", "BM");  // hidden files are no advertisements
  SetFileAttributesA((ad + "hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
  LumoRun run = StartLumo(dir);
  SetEnvironmentVariableA("LOCALAPPDATA", nullptr);
  SetEnvironmentVariableA("LUMO_ANNOUNCER_FAIL", nullptr);
  ASSERT_NE(run.main, nullptr);
  const ULONGLONG started = GetTickCount64();
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
    if (s == 2) {
      PressCombination(MOD_CONTROL | MOD_ALT, VK_F6);
      ASSERT_TRUE(WaitUntil([&] { return record.Count("SoundOut thanks") == 1; }));
    }
    PostMessageW(sim.window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return StatusText(run.main) == kStopped; }));
  }

  // The log could not be written beside the program, and no box said so.
  EXPECT_EQ(WindowOf(run.process.Id(), "#32770", true, 0ms), nullptr);
  ASSERT_TRUE(ExitThroughMenu(run));
  ASSERT_TRUE(run.process.WaitForExit());
  const ULONGLONG minutes = (GetTickCount64() - started) / 60000;
  CloseHandle(log_holder);
  EXPECT_EQ(ReadFile(dir + "Lumo.log"), "held");
  const std::string log = ReadFile(dir + "local\\Lumo\\Lumo.log");
  ASSERT_TRUE(log.starts_with("\xEF\xBB\xBF")) << log;
  std::vector<std::string> events = LogEvents(log);
  std::erase_if(events, [](const std::string& event) {
    return event.starts_with("register not found");  // whichever windows came in front
  });
  // A capture summary comes once a minute at most, wherever that minute ends.
  const auto summaries = std::erase_if(events, [](const std::string& event) {
    return event.starts_with("capture ") && event.find(" pictures sent, ") != std::string::npos;
  });
  EXPECT_LE(summaries, minutes + 1);
  const std::string exe = dir + "Lumo.exe";
  ASSERT_GE(events.size(), 2u);
  EXPECT_TRUE(events.front().starts_with("start Lumo ")) << events.front();
  EXPECT_NE(events.front().find(" \"" + exe + "\", ANSI code page 936, Windows "),
            std::string::npos);
  EXPECT_EQ(events.back(), "end" + events.front().substr(5));
  std::vector<std::string> expected{
      events.front(), "hotkeys read \"" + dir + "Lumo.hkd\": 1 definitions",
      "hotkey registered #0 Ctrl+Alt+F6 \"Thanks\"",
      "sdf loaded \"" + dir +
          "Lumo.sdf\": caption \"银台\", 0 show, 0 close, 2 timer actions, "
          "timer on 100 ms"};
  for (std::size_t s = 0; s < std::size(rs::kScreens); ++s) {
    for (const char* event :
         {"register found \"收银台 - 演示\" of register-sim.exe", "register hook installed",
          "command show commands", "register attached", "service started automatically",
          "capture first picture sent after attaching"}) {
      expected.push_back(event);
    }
    if (s == 2) {
      for (const char* event :
           {"hotkey pressed #0 Ctrl+Alt+F6 \"Thanks\"",
            "command hotkey command \"Display=~paid^Speak=thanks\"", "call Cls(0) = 1",
            "call PrintText(1, 1, \"paid\") = 1", "call SoundOut(\"thanks\") = 0 FAILED"}) {
        expected.push_back(event);
      }
    }
    for (const char* event : {"register lost: its window closed", "command close commands",
                              "service stopped automatically: the register went away"}) {
      expected.push_back(event);
    }
  }
  expected.push_back("hotkeys saved \"" + dir + "Lumo.hkd\": 1 definitions");
  expected.push_back(events.back());
  EXPECT_EQ(events, expected) << log;
}

}  // namespace
}  // namespace lumo::test
