// The customer's display stays legible whatever the register's colours: Lumo.exe capturing
// register-sim.exe's amount display in each of its screens, and a field with the caret.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>

#include "platform/win_capture_system.h"
#include "support/announcer_record.h"
#include "support/bitmap_rows.h"
#include "support/lumo_program.h"
#include "support/register_sim.h"

namespace lumo::test {
namespace {

namespace rs = register_sim;

// Three regions and their places on the display: the digits' middle band at 1:1, the
// digits whole at half size, and the amount field that holds the caret at 1:1.
struct Region {
  RECT area;  // in the amount display's or the amount field's own coordinates
  RECT place;
};
const Region kOneToOne{{4, 15, 244, 31}, {0, 0, 240, 16}};
const Region kHalf{{4, 7, 264, 39}, {0, 20, 130, 36}};
const Region kCaretField{{0, 1, 96, 17}, {140, 20, 236, 36}};

// BitmapRows of the display: 240 pixels and a line break per row.
constexpr std::size_t kRowChars = 241;

// A region given in a control's client coordinates, in whole-window coordinates.
CaptureRectangle InWindow(HWND sim, int id, const RECT& area) {
  RECT window{};
  GetWindowRect(sim, &window);
  POINT origin{0, 0};
  ClientToScreen(GetDlgItem(sim, id), &origin);
  const LONG x = origin.x - window.left;
  const LONG y = origin.y - window.top;
  return {area.left + x, area.top + y, area.right + x, area.bottom + y};
}

std::string Sdf(const CaptureRectangle (&rects)[3]) {
  std::string sdf =
      "[WINDOW]\r\nCaption=\xD2\xF8\xCC\xA8\r\n[TIMER]\r\nEnable=1\r\nInterval=100\r\n"
      "ShowLasting=600000\r\nActions=3\r\n";
  std::string rect_lines = "[RECT]\r\n";
  const Region* regions[] = {&kOneToOne, &kHalf, &kCaretField};
  for (int i = 0; i < 3; ++i) {
    const std::string n = std::to_string(i + 1);
    sdf += "[TIMER.ACTION" + n + "]\r\nBMP_RECT=" + n +
           "\r\nS_X=" + std::to_string(regions[i]->place.left) +
           "\r\nS_Y=" + std::to_string(regions[i]->place.top) + "\r\n";
    const CaptureRectangle& r = rects[i];
    rect_lines += n + "=" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
                  std::to_string(r.Right) + "," + std::to_string(r.Bottom) + "\r\n";
  }
  return sdf + rect_lines;
}

ColourRegion Copy(HWND sim, const CaptureRectangle& rect) {
  WinCaptureSystem system;
  ColourRegion region;
  region.ResetWhite(rect.Right - rect.Left, rect.Bottom - rect.Top);
  system.CopyWindowRect(reinterpret_cast<WindowHandle>(sim), rect, region);
  return region;
}

// The place's columns with ink, split where a column is white: one string per glyph.
std::vector<std::string> Glyphs(const std::string& picture, const RECT& place) {
  std::vector<std::string> glyphs;
  std::string glyph;
  for (int x = place.left; x <= place.right; ++x) {
    std::string column;
    for (int y = place.top; y < place.bottom && x < place.right; ++y) {
      column += picture[y * kRowChars + x];
    }
    if (column.find('#') != std::string::npos) {
      glyph += column;
    } else if (!glyph.empty()) {
      glyphs.push_back(glyph);
      glyph.clear();
    }
  }
  return glyphs;
}

TEST(LumoCaptureColour, EveryScreenGivesBlackDigitsOnWhiteAndTheCaretIsNeverSent) {
  CaptureRectangle rects[3];
  {
    RegisterSim measured = StartRegisterSim("--screen white");
    rects[0] = InWindow(measured.window, rs::kAmountDisplayId, kOneToOne.area);
    rects[1] = InWindow(measured.window, rs::kAmountDisplayId, kHalf.area);
    rects[2] = InWindow(measured.window, rs::kAmountDueId, kCaretField.area);
  }
  const std::string dir = PrepareLumoDir("lumo-colour", Sdf(rects));
  const std::string tmp = dir + "tmp.bmp";
  LumoRun run = StartInTray(dir);
  ASSERT_NE(run.main, nullptr);
  const char* amounts[] = {"12.50", "34.00", "56.70"};  // every screen's picture is new

  for (std::size_t s = 0; s < std::size(rs::kScreens); ++s) {
    const rs::Screen& screen = rs::kScreens[s];
    SCOPED_TRACE(screen.name);
    const std::size_t before = run.record.Calls().size();
    RegisterSim sim = StartRegisterSim(std::string("--screen ") + screen.name +
                                       " --focus 1001 --text \"2002=0 1 2 3 4 5 6 7 8 9\"" +
                                       " --text 1001=" + amounts[s]);
    SetForegroundWindow(sim.window);
    ASSERT_TRUE(WaitUntil([&] { return StatusText(run.main) == kRunning; }));
    std::vector<AnnouncerCall> calls;
    ASSERT_TRUE(WaitUntil([&] { return (calls = run.record.Calls()).size() > before; }));
    ASSERT_EQ(calls[before].Text, tmp);
    const std::string picture = BitmapRows(run.record.CopyPath(calls[before]));
    ASSERT_EQ(picture.size(), 36u * kRowChars);
    const auto black = [&](int x, int y) { return picture[y * kRowChars + x] == '#'; };

    // At 1:1 what differs from the field is black, and the field white.
    const ColourRegion reference = Copy(sim.window, rects[0]);
    int field_black = 0;
    int differing = 0;
    int differing_black = 0;
    for (int y = 0; y < reference.height; ++y) {
      for (int x = 0; x < reference.width; ++x) {
        const bool field = reference.At(x, y) == screen.field;
        field_black += field && black(x, y) ? 1 : 0;
        differing += field ? 0 : 1;
        differing_black += !field && black(x, y) ? 1 : 0;
      }
    }
    EXPECT_EQ(field_black, 0);
    EXPECT_GT(differing, 500);
    EXPECT_GE(differing_black * 100, differing * 95) << differing_black << " of " << differing;

    // Halved, the ten digits are ten different glyphs.
    const std::vector<std::string> glyphs = Glyphs(picture, kHalf.place);
    EXPECT_EQ(glyphs.size(), 10u);
    EXPECT_EQ(std::set<std::string>(glyphs.begin(), glyphs.end()).size(), glyphs.size());

    // The caret blinks in the amount field, and yet the picture is not sent again.
    std::set<std::vector<ColourPixel>> field_looks;
    for (int i = 0; i < 30; ++i) {
      field_looks.insert(Copy(sim.window, rects[2]).pixels);
      Sleep(80);
    }
    EXPECT_GE(field_looks.size(), 2u);
    EXPECT_EQ(run.record.Calls().size(), before + 1);

    PostMessageW(sim.window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return StatusText(run.main) == kStopped; }));
  }
}

}  // namespace
}  // namespace lumo::test
