// Lumo.exe beside register-sim.exe and the recording cts4r.dll, and when things go wrong
// around it: the register closes, dies or hangs, the session ends, Explorer restarts, the
// hotkey file is held by someone else, requests come while a question is open.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include "app/main_window_ids.h"
#include "support/input.h"
#include "support/lumo_program.h"

namespace lumo::test {
namespace {

using namespace std::string_literals;

constexpr std::uint32_t kCtrlAlt = MOD_CONTROL | MOD_ALT;
// Lumo recognises register-sim by "银台", a middle part of its title "收银台 - 演示". The show
// commands read its panel (no text).
constexpr char kWindowPart[] =
    "[WINDOW]\r\nCaption=\xD2\xF8\xCC\xA8\r\nOnShow=DISPLAY=~show<%1200%>\r\n"
    "OnClose=DISPLAY=~bye & DISPLAY=~<%y%>\r\n";
constexpr wchar_t kCloseError[] = L"'y' is not a valid integer value";

// Ctrl+Alt+F7 twice (only the first, four readings of the register, can be registered),
// "编辑热键" on Ctrl+Alt+F8, and "恢复窗口" on F9 alone, not active; stored under another
// header than the program writes.
const std::string kHotkeys =
    "\x06\x1FHotkey definitions, version 2.0\x01"
    "\x06\x05Price\x02\0\x06\x26"
    "Display=~%2^Speak=%7^Speak=%9^Speak=%5\x09\x09\x08\x08\x02\x4B\x09"
    "\x06\x04Twin\x02\0\x06\x0ASpeak=twin\x09\x09\x08\x08\x02\x4B\x09"
    "\x06\x04"
    "Edit\x02\x01\x09\x09\x08\x08\x02\x4C\x09"
    "\x06\x04Show\x02\x02\x08\x08\x08\x08\x02\x4D\x08\0"s;

// A visible hotkey editor other than this one.
HWND OtherEditor(HWND editor) {
  HWND found = nullptr;
  while ((found = FindWindowExW(nullptr, found, L"LumoHotkeyEditor", nullptr)) != nullptr &&
         (found == editor || !IsWindowVisible(found))) {
  }
  return found;
}

// Icons in Wine's notification area: one child window each inside its tray window.
int TrayIcons() {
  HWND tray = FindWindowA("__winex11_standalone_tray", nullptr);
  int count = 0;
  for (HWND icon = nullptr; tray && (icon = FindWindowExA(tray, icon, nullptr, nullptr));) {
    ++count;
  }
  return count;
}

// Polling attaches to the register once it is in front; a box of Lumo's that opens at the
// same moment may take the front back, so it is put there until the service runs.
bool WaitRunning(HWND main, HWND sim) {
  return WaitUntil([&] {
    SetForegroundWindow(sim);
    return StatusText(main) == kRunning;
  });
}

// Which of the start and stop buttons can be pressed: "10" start only, "01" stop only.
std::string Buttons(HWND main) {
  return {IsWindowEnabled(GetDlgItem(main, kIdStartButton)) ? '1' : '0',
          IsWindowEnabled(GetDlgItem(main, kIdStopButton)) ? '1' : '0'};
}

// A program directory with the window part, this capture part and this hotkey file, and
// an advertisement that a running capture timer would show at once; automatic monitoring on.
std::string Prepare(const std::string& name, const std::string& timer, const std::string& hkd) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\K&V\\Lumo");
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Lumo");
  const std::string dir = PrepareLumoDir(name, kWindowPart + timer);
  CreateDirectoryA((dir + "ad").c_str(), nullptr);
  WriteFile(dir + "ad\\a.bmp", "BM");
  WriteFile(dir + "Lumo.hkd", hkd);
  return dir;
}

TEST(LumoRobustness, ServiceHotkeysEditorsTrayAndTheEndOfTheSession) {
  if (!CombinationIsFree(kCtrlAlt, VK_F7) || !CombinationIsFree(kCtrlAlt, VK_F8) ||
      !CombinationIsFree(0, VK_F9)) {
    GTEST_SKIP() << "Ctrl+Alt+F7, Ctrl+Alt+F8 and F9 are not all free";
  }
  const std::string dir =
      Prepare("robust", "[TIMER]\r\nEnable=0\r\nInterval=100\r\nShowLasting=100\r\n", kHotkeys);

  RegisterSim sim = StartRegisterSim();
  LumoRun run = StartLumo(dir);
  ASSERT_NE(run.main, nullptr);
  const DWORD lumo = run.process.Id();
  ASSERT_TRUE(WaitRunning(run.main, sim.window));
  EXPECT_EQ(Buttons(run.main), "01");

  // The show commands: the display is cleared, and given its time, before line 1 gets the
  // text. Then the first definition of Ctrl+Alt+F7 fires, its four readings done.
  PressCombination(kCtrlAlt, VK_F7);
  std::vector<AnnouncerCall> calls = run.record.WaitForCalls(7);
  ASSERT_EQ(Summaries(calls),
            (std::vector<std::string>{"Cls 0", "PrintText 1 1 show", "Cls 0", "PrintText 1 1 12.50",
                                      "SoundOut 12.50", "SoundOut 0.00", "SoundOut 8888"}));
  EXPECT_GE(calls[1].Ms - calls[0].Ms, 100);

  // An editor opened by a hotkey over another disables it until it closes.
  PostMessageW(run.main, WM_COMMAND, kIdEditHotkeysItem, 0);
  HWND first = WindowOf(lumo, "LumoHotkeyEditor");
  ASSERT_NE(first, nullptr);
  PressCombination(kCtrlAlt, VK_F8);
  HWND second = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (second = OtherEditor(first)) != nullptr; }));
  EXPECT_FALSE(IsWindowEnabled(first));
  PostMessageW(second, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(first) != FALSE; }));
  EXPECT_FALSE(IsWindowEnabled(run.main));
  PostMessageW(first, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(run.main) != FALSE; }));

  // Explorer restarted: its notification area is empty, and the icon comes back.
  const int icons = TrayIcons();
  NOTIFYICONDATAA icon{};
  icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
  icon.hWnd = run.main;
  ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &icon));
  ASSERT_TRUE(WaitUntil([&] { return TrayIcons() == icons - 1; }));
  SendMessageW(run.main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return TrayIcons() == icons; }));
  // The definition that is not active fires all the same: the main window comes to the front.
  PressCombination(0, VK_F9);
  ASSERT_TRUE(WaitVisible(run.main, true));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == run.main; }));

  const auto answers = [&] {  // whether the register takes sent messages
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(sim.window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 50, &result) != 0;
  };
  // A register that hangs for a while costs one wait per key press, not one per reading.
  PostMessageW(sim.window, register_sim::kHangMessage, 2500, 0);
  Sleep(200);
  std::size_t before = run.record.Calls().size();
  const ULONGLONG pressed = GetTickCount64();
  PressCombination(kCtrlAlt, VK_F7);
  calls = run.record.WaitForCalls(before + 5, 8s);
  EXPECT_LT(GetTickCount64() - pressed, 2500u);
  EXPECT_EQ(calls.size(), before + 5);
  ASSERT_TRUE(WaitUntil(answers));

  // Automatic monitoring switched off and the service stopped: nothing polls, though the
  // register is in front. A manual start asks first, in a box without an icon.
  SendMessageW(GetDlgItem(run.main, kIdAutoMonitoringBox), BM_CLICK, 0, 0);
  SendMessageW(GetDlgItem(run.main, kIdStopButton), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return StatusText(run.main) == kStopped; }));
  EXPECT_EQ(Buttons(run.main), "10");
  SetForegroundWindow(sim.window);
  Sleep(1200);
  EXPECT_EQ(StatusText(run.main), kStopped);
  // Its show commands find the register hung, this time for good, at their reading.
  SendMessageW(sim.window, register_sim::kHangOnReadMessage, register_sim::kPanelId, 0);
  before = run.record.Calls().size();
  PostMessageW(GetDlgItem(run.main, kIdStartButton), BM_CLICK, 0, 0);
  EXPECT_EQ(AnswerBox(lumo), L"!InstallHook OK");
  ASSERT_TRUE(WaitUntil([&] { return !answers(); }));

  // The session ends, sent as Windows sends it, inside that wait. The hotkey file and the
  // settings are written before it has been handled, as Windows may end the process then;
  // the service stops without its close commands. Of the two definitions of Ctrl+Alt+F7
  // the second never ran, and "Enable=0" runs no capture timer.
  DWORD_PTR may_end = 0;
  EXPECT_TRUE(SendMessageTimeoutW(run.main, WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, 5000, &may_end));
  EXPECT_TRUE(may_end);
  DWORD_PTR ignored = 0;
  EXPECT_TRUE(SendMessageTimeoutW(run.main, WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, 5000, &ignored));
  EXPECT_EQ(run.record.Calls().size(), before);  // still waiting
  std::string rewritten = kHotkeys;
  rewritten.replace(rewritten.find("2.0"), 3, "1.0");
  EXPECT_EQ(ReadFile(dir + "Lumo.hkd"), rewritten);
  EXPECT_EQ(SavedSetting("Comport"), 0xFFFFFFFFu);
  EXPECT_EQ(SavedSetting("AutoStart"), 0u);  // switched off above
  // The show commands then go on with what they use, and Lumo ends without a box.
  ASSERT_TRUE(run.process.WaitForExit());
  EXPECT_EQ(run.process.ExitCode(), 0u);
  EXPECT_EQ(Summaries(run.record.Calls()),
            (std::vector<std::string>{"Cls 0", "PrintText 1 1 show", "Cls 0", "PrintText 1 1 12.50",
                                      "SoundOut 12.50", "SoundOut 0.00", "SoundOut 8888", "Cls 0",
                                      "PrintText 1 1 ", "SoundOut ", "SoundOut ", "SoundOut ",
                                      "Cls 0", "PrintText 1 1 show"}));
  // The support log: the second Ctrl+Alt+F7 refused with the system's reason, who started
  // and stopped the service, one unanswered read for each run that met the hung register,
  // and the session's end inside the second of them.
  std::vector<std::string> events = LogEvents(
      ReadFile(dir + "Lumo.log"), {"hotkey refused", "service", "box", "timeout", "session"});
  ASSERT_EQ(events.size(), 9u);
  EXPECT_TRUE(events[0].starts_with("hotkey refused #1 Ctrl+Alt+F7 \"Twin\": ")) << events[0];
  EXPECT_GT(events[0].size(), 40u);
  for (const std::size_t timeout : {2, 6}) {
    EXPECT_TRUE(events[timeout].starts_with("timeout window 0x")) << events[timeout];
    EXPECT_TRUE(
        events[timeout].ends_with(" of the register did not answer WM_GETTEXT in time: it hangs"));
    events[timeout] = "timeout";
  }
  EXPECT_EQ(std::vector<std::string>(events.begin() + 1, events.end()),
            (std::vector<std::string>{"service started automatically", "timeout",
                                      "service stopped by hand", "box information: InstallHook OK",
                                      "session end: Windows logs off or shuts down", "timeout",
                                      "service started by hand", "service stopped at exit"}));
}

TEST(LumoRobustness, StartUpQuestionsTheRegisterClosedOrKilledAndAHeldHotkeyFile) {
  // The capture section fails to load (its region is no rectangle): the exit question comes
  // at start-up, after the window part has loaded.
  const std::string dir = Prepare("robust-start",
                                  "[TIMER]\r\nInterval=100\r\nShowLasting=100\r\nActions=1\r\n"
                                  "[TIMER.ACTION1]\r\nBMP_RECT=5\r\n[RECT]\r\n5=none\r\n",
                                  "held");
  HANDLE held =
      CreateFileA((dir + "Lumo.hkd").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  RegisterSim sim = StartRegisterSim();
  LumoRun run = StartLumo(dir, false);
  const DWORD lumo = run.process.Id();
  EXPECT_EQ(AnswerBox(lumo, IDOK, [&] { CloseHandle(held); }).find(L"Cannot open file"),
            0u);  // with an icon
  // Why the capture section failed comes before the exit question.
  EXPECT_NE(AnswerBox(lumo).find(L"[RECT] 5=none"), std::wstring::npos);

  // While the exit question is open, the service starts by polling, and neither the menu's
  // 退出 nor another close request opens a second question.
  EXPECT_EQ(AnswerBox(lumo, IDNO,
                      [&] {
                        run.main = WindowOf(lumo, "TForm1", false);
                        ASSERT_TRUE(WaitRunning(run.main, sim.window));
                        PostMessageW(run.main, WM_COMMAND, kIdExitItem, 0);
                        PostMessageW(run.main, WM_CLOSE, 0, 0);
                        Sleep(500);
                      }),
            kExitQuestion);
  ASSERT_TRUE(WaitVisible(run.main, false));
  Sleep(500);
  EXPECT_EQ(WindowOf(lumo, "#32770", true, 0ms), nullptr);
  EXPECT_EQ(StatusText(run.main), kRunning);

  // A killed register stops the service, and its close commands run up to their error.
  sim.process.Kill();
  EXPECT_EQ(AnswerBox(lumo, IDOK, [&] { EXPECT_EQ(StatusText(run.main), kStopped); }), kCloseError);
  EXPECT_EQ(Buttons(run.main), "10");
  EXPECT_EQ(run.record.Count("PrintText 1 1 bye"), 1);
  // Polling goes on: the next register in front starts it within a few polling intervals.
  RegisterSim again = StartRegisterSim();
  const ULONGLONG shown = GetTickCount64();
  ASSERT_TRUE(WaitRunning(run.main, again.window));
  EXPECT_LT(GetTickCount64() - shown, 1500u);
  EXPECT_EQ(run.record.Count("PrintText 1 1 show"), 2);
  // Its window closes: the same, only once although its process ends too.
  PostMessageW(again.window, WM_CLOSE, 0, 0);
  EXPECT_EQ(AnswerBox(lumo), kCloseError);
  ASSERT_TRUE(again.process.WaitForExit());
  Sleep(500);
  EXPECT_EQ(run.record.Count("PrintText 1 1 bye"), 2);
  EXPECT_EQ(WindowOf(lumo, "#32770", true, 0ms), nullptr);

  // The file that could not be read, unchanged since, is left as it was and no box comes.
  // No advertisement either: without "Enable" there is no capture timer.
  ASSERT_TRUE(ExitThroughMenu(run));
  ASSERT_TRUE(run.process.WaitForExit());
  EXPECT_EQ(ReadFile(dir + "Lumo.hkd"), "held");
  EXPECT_EQ(
      Summaries(run.record.Calls()),
      (std::vector<std::string>{"Cls 0", "PrintText 1 1 show", "Cls 0", "PrintText 1 1 bye",
                                "Cls 0", "PrintText 1 1 show", "Cls 0", "PrintText 1 1 bye"}));
  // The support log: every box with its text, the file that could not be read, the capture
  // section's failure, and how each register went.
  const std::vector<std::string> events =
      LogEvents(ReadFile(dir + "Lumo.log"), {"hotkeys", "sdf", "register lost", "box"});
  ASSERT_EQ(events.size(), 9u);
  EXPECT_TRUE(events[0].starts_with("box error: Cannot open file \"" + dir + "Lumo.hkd\". "));
  EXPECT_EQ(events[1],
            "hotkeys read failed \"" + dir + "Lumo.hkd\": 0 definitions read completely");
  EXPECT_TRUE(events[2].starts_with("sdf failed: ")) << events[2];
  EXPECT_NE(events[2].find("[RECT] 5=none"), std::string::npos);
  EXPECT_EQ(events[3], "box error: " + dir + "Lumo.sdf | " + events[2].substr(12));
  EXPECT_EQ(std::vector<std::string>(events.begin() + 4, events.end()),
            (std::vector<std::string>{
                "register lost: its process ended (killed or crashed)",
                "box error: 'y' is not a valid integer value", "register lost: its window closed",
                "box error: 'y' is not a valid integer value",
                "hotkeys left as it was \"" + dir + "Lumo.hkd\": not saved"}));
}

}  // namespace
}  // namespace lumo::test
