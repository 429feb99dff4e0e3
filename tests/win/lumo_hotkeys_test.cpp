// Hotkeys end to end: a prepared hotkey file, Lumo.exe beside register-sim.exe and the
// recording cts4r.dll, keys pressed through the system's input queue, and the file Lumo
// leaves behind at close.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/ansi_text.h"
#include "support/input.h"
#include "support/lumo_program.h"
#include "support/message_box.h"
#include "support/register_sim.h"

namespace lumo::test {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

constexpr char kSdf[] = "[WINDOW]\r\nCaption=\xD2\xF8\xCC\xA8\r\n";

constexpr std::uint32_t kCtrlAlt = MOD_CONTROL | MOD_ALT;

// Four definitions written the way another writer may have stored them: a header of
// another version as a long string, integers in their 4-byte form, a wide and a long
// string, and a Boolean byte that is neither true nor false.
//   0 "Price", action 0 'Display=~%3^Speak=%3', Ctrl+Alt+F7 (key 75), active
//   1 "控制台", action 2, Ctrl+Alt+F8 (key 76), not active
//   2 "Nothing", action 3, Ctrl+Alt+F9 (key 77), active
//   3 "", action 0 with an empty command, no key (200), Shift, active
const std::string kStoredFile =
    "\x0C\x1F\0\0\0Hotkey definitions, version 2.0\x01"
    "\x12\x05\0\0\0P\0r\0i\0c\0e\0\x04\0\0\0\0\x0C\x14\0\0\0Display=~%3^Speak=%3"
    "\x09\x09\x08\x08\x04\x4B\0\0\0\x09"
    "\x12\x03\0\0\0\xA7\x63\x36\x52\xF0\x53\x04\x02\0\0\0\x09\x09\x08\x08\x02\x4C\x08"
    "\x06\x07Nothing\x03\x03\0\x09\x09\x08\x02\x02\x4D\x09"
    "\x06\0\x02\0\x06\0\x08\x08\x09\x08\x04\xC8\0\0\0\x09\0"s;

// The same four definitions as the program writes them: the header of this version, each
// integer in its shortest form, ASCII strings as short strings, "控制台" as UTF-8.
const std::string kRewrittenFile =
    "\x06\x1FHotkey definitions, version 1.0\x01"
    "\x06\x05Price\x02\0\x06\x14"
    "Display=~%3^Speak=%3\x09\x09\x08\x08\x02\x4B\x09"
    "\x14\x09\0\0\0\xE6\x8E\xA7\xE5\x88\xB6\xE5\x8F\xB0\x02\x02\x09\x09\x08\x08\x02\x4C\x08"
    "\x06\x07Nothing\x02\x03\x09\x09\x08\x08\x02\x4D\x09"
    "\x06\0\x02\0\x06\0\x08\x08\x09\x08\x03\xC8\0\x09\0"s;

TEST(LumoHotkeys, KeysRunTheirActionsTheFileIsRewrittenAtCloseOrKeptWhenItCannotBe) {
  for (UINT key : {VK_F7, VK_F8, VK_F9}) {
    if (!CombinationIsFree(kCtrlAlt, key)) {
      GTEST_SKIP() << "Ctrl+Alt+F7 to F9 are not all free";
    }
  }
  const std::string dir = PrepareLumoDir("hotkeys", kSdf);
  const std::string hkd = dir + "Lumo.hkd";
  WriteFile(hkd, kStoredFile);
  LumoRun run = StartInTray(dir);
  ASSERT_NE(run.main, nullptr);
  // Loaded and registered from start-up on: the combinations are taken.
  EXPECT_FALSE(CombinationIsFree(kCtrlAlt, VK_F7));
  EXPECT_FALSE(CombinationIsFree(kCtrlAlt, VK_F8));  // not active, registered all the same
  EXPECT_FALSE(CombinationIsFree(kCtrlAlt, VK_F9));

  RegisterSim sim = StartRegisterSim();
  // The third descendant of the register window is the panel.
  ASSERT_EQ(register_sim::kDescendantOrder[2], register_sim::kPanelId);
  const std::string price = "\xBA\xCF\xBC\xC6 36.80";  // "合计 36.80"
  ASSERT_TRUE(SetRegisterSimText(sim.window, register_sim::kPanelId, price));
  SetForegroundWindow(sim.window);
  ASSERT_TRUE(WaitUntil([&] { return StatusText(run.main) == kRunning; }));

  PressCombination(kCtrlAlt, VK_F7);
  std::vector<AnnouncerCall> calls = run.record.WaitForCalls(3);
  ASSERT_EQ(Summaries(calls),
            (std::vector<std::string>{"Cls 0", "PrintText 1 1 " + price, "SoundOut " + price}));
  EXPECT_GE(calls[1].Ms - calls[0].Ms, 100);
  // The texts are read at the moment of the press.
  ASSERT_TRUE(SetRegisterSimText(sim.window, register_sim::kPanelId, "8.00"));
  PressCombination(kCtrlAlt, VK_F7);
  calls = run.record.WaitForCalls(6);
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(Summaries({calls.begin() + 3, calls.end()}),
            (std::vector<std::string>{"Cls 0", "PrintText 1 1 8.00", "SoundOut 8.00"}));

  // Action 3 does nothing at all.
  PressCombination(kCtrlAlt, VK_F9);
  Sleep(500);
  EXPECT_EQ(run.record.Calls().size(), 6u);
  EXPECT_FALSE(IsWindowVisible(run.main));
  EXPECT_EQ(FindProcessWindow(run.process.Id(), "#32770"), nullptr);
  // Action 2, on a definition that is not active: the main window comes back in front.
  PressCombination(kCtrlAlt, VK_F8);
  ASSERT_TRUE(WaitShown(run.main));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == run.main; }));
  EXPECT_EQ(run.record.Calls().size(), 6u);

  ASSERT_TRUE(ExitThroughMenu(run));
  ASSERT_TRUE(run.process.WaitForExit(5s));
  EXPECT_EQ(ReadFile(hkd), kRewrittenFile);
  EXPECT_FALSE(FileExists(hkd + ".tmp"));
  EXPECT_FALSE(FileExists(hkd + ".bak"));           // the file was read completely
  EXPECT_TRUE(CombinationIsFree(kCtrlAlt, VK_F7));  // unregistered at the end
  EXPECT_TRUE(CombinationIsFree(kCtrlAlt, VK_F8));

  // A file that cannot be replaced at close: the failure is reported, the shut-down
  // completes once it is answered, and the file stays as it was.
  run = StartInTray(dir);
  ASSERT_NE(run.main, nullptr);
  ASSERT_TRUE(SetFileAttributesA(hkd.c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(ExitThroughMenu(run));
  HWND box = WaitForMessageBox(run.process.Id(), "Lumo");
  ASSERT_NE(box, nullptr);
  const std::wstring expected = L"Cannot create file \"" + AnsiToWide(hkd) + L"\". ";
  EXPECT_EQ(MessageBoxText(box).substr(0, expected.size()), expected);
  EXPECT_GT(MessageBoxText(box).size(), expected.size()) << "the reason is missing";
  EXPECT_TRUE(HasIcon(box));
  ASSERT_TRUE(PressButton(box, IDOK));
  EXPECT_TRUE(run.process.WaitForExit(5s));
  EXPECT_TRUE(CombinationIsFree(kCtrlAlt, VK_F7));
  SetFileAttributesA(hkd.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFile(hkd), kRewrittenFile);
  EXPECT_FALSE(FileExists(hkd + ".tmp"));
}

}  // namespace
}  // namespace lumo::test
