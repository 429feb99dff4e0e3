// Lumo.exe as a person meets it: the notification area and its menu, the About box, a
// second copy, the exit question, the registry settings and start-ups that cannot go on.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "app/main_window_ids.h"
#include "app/settings_keys.h"
#include "platform/ansi_text.h"
#include "support/lumo_program.h"

namespace lumo::test {
namespace {

constexpr char kSdf[] = "[WINDOW]\r\nCaption=checkout\r\n";
constexpr char kMachineSettingsKey[] = "Software\\K&V\\Lumo";
constexpr char kUserSettingsKey[] = "Software\\Lumo";

// The first two items of the tray menu, "恢复窗口[R]" and "编辑热键[H]", are the first two runs
// of rows with dark pixels and begin at the same column; drawn as boxes, their first
// characters would be the same boxes. The pixels that differ in the menu's left third.
int FirstItemsDiffer(const std::vector<std::string>& shown) {
  std::vector<std::size_t> tops;
  for (std::size_t y = 0; y < shown.size(); ++y) {
    if (shown[y].find('#') != std::string::npos &&
        (y == 0 || shown[y - 1].find('#') == std::string::npos)) {
      tops.push_back(y);
    }
  }
  int differing = 0;
  for (std::size_t y = 0; tops.size() >= 2 && y < tops[1] - tops[0]; ++y) {
    for (std::size_t x = 0; x < shown[y].size() / 3; ++x) {
      differing += shown[tops[0] + y][x] != shown[tops[1] + y][x];
    }
  }
  return differing;
}

TEST(LumoShell, TrayMenuAboutBoxSecondCopyTheExitQuestionAndAFailedSaveAtClose) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMachineSettingsKey);  // the default settings
  const std::string dir = PrepareLumoDir("shell", kSdf);
  LumoRun run = StartLumo(dir, false);
  run.main = WaitForMainWindow(run.process);
  ASSERT_NE(run.main, nullptr);
  ASSERT_TRUE(WaitVisible(run.main, true));
  const ULONGLONG shown = GetTickCount64();
  ASSERT_TRUE(WaitVisible(run.main, false));
  EXPECT_LT(GetTickCount64() - shown, 3000u);  // a moment, not a fixed time: Wine may lag
  EXPECT_EQ(StatusText(run.main), kNotStarted);

  // Of the icon's messages a double click restores; the window stays, as the hiding timer
  // ticks once.
  SendMessageW(run.main, kWmTrayNotify, 0, WM_LBUTTONDOWN);
  SendMessageW(run.main, kWmTrayNotify, 0, WM_MOUSEMOVE);
  EXPECT_FALSE(IsWindowVisible(run.main));
  SendMessageW(run.main, kWmTrayNotify, 0, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(IsWindowVisible(run.main));
  EXPECT_EQ(GetForegroundWindow(), run.main);
  Sleep(600);
  EXPECT_TRUE(IsWindowVisible(run.main));
  // The close box answered No puts it back into the notification area.
  PostMessageW(run.main, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(AnswerBox(run.process.Id(), IDNO), kExitQuestion);
  EXPECT_TRUE(WaitVisible(run.main, false));

  // The menu draws its Chinese characters; "关于[&A]..." opens the About box.
  int differing = 0;
  HWND about = OpenFromTrayMenu(run, 'a', "LumoAboutBox", [&](HWND menu) {
    differing = FirstItemsDiffer(Screenshot(menu, "tray-menu"));
  });
  EXPECT_GT(differing, 20);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(about, kIdAboutTitle)), L"Lumo抓屏服务器");
  PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));

  Process second(dir + "Lumo.exe");
  ASSERT_TRUE(second.WaitForExit());
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(WaitVisible(run.main, true));

  // "退出" answered No: the close that follows asks once more, and No there hides.
  PostMessageW(run.main, WM_COMMAND, kIdExitItem, 0);
  EXPECT_EQ(AnswerBox(run.process.Id(), IDNO), kExitQuestion);
  EXPECT_EQ(AnswerBox(run.process.Id(), IDNO), kExitQuestion);
  EXPECT_TRUE(WaitVisible(run.main, false));
  Sleep(300);
  EXPECT_EQ(WindowOf(run.process.Id(), "#32770", true, 0ms), nullptr);
  EXPECT_TRUE(run.process.Running());

  // A hotkey file that cannot be replaced at close: the failure is reported, the shut-down
  // completes once it is answered, and the file stays as it was.
  const std::string hkd = dir + "Lumo.hkd";
  WriteFile(hkd, "old");
  ASSERT_TRUE(SetFileAttributesA(hkd.c_str(), FILE_ATTRIBUTE_READONLY));
  PostMessageW(run.main, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(AnswerBox(run.process.Id(), IDYES), kExitQuestion);
  const std::wstring failure = AnswerBox(run.process.Id());
  const std::wstring expected = L"Cannot create file \"" + AnsiToWide(hkd) + L"\". ";
  EXPECT_EQ(failure.substr(0, expected.size()), expected);
  EXPECT_GT(failure.size(), expected.size()) << "the reason is missing";
  EXPECT_EQ(std::wstring(L".\r\n").find(failure.back()), std::wstring::npos);  // trimmed
  EXPECT_TRUE(run.process.WaitForExit());
  SetFileAttributesA(hkd.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFile(hkd), "old");
  EXPECT_EQ(GetFileAttributesA((hkd + ".tmp").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(LumoShell, AnInstanceMutexThatCannotBeCreatedOrAFailedLoadAnsweredYesEndsTheStart) {
  // Another kind of object holding the name refuses the mutex: that tells nothing about
  // another copy, so it is no licence to start as the first one.
  HANDLE other = CreateEventW(nullptr, FALSE, FALSE, L"Lumo.exe");
  Process lumo(PrepareLumoDir("shell-no-mutex", kSdf) + "Lumo.exe");
  EXPECT_NE(AnswerBox(lumo.Id(), IDOK,
                      [&] {
                        CloseHandle(other);
                        EXPECT_EQ(WindowOf(lumo.Id(), "TForm1", false, 0ms), nullptr);
                      })
                .find(L"\"Lumo.exe\""),
            std::wstring::npos);
  EXPECT_TRUE(lumo.WaitForExit());
  // An interval of 0 fails the capture timer's load: the reason, then the exit question.
  Process bad(PrepareLumoDir("shell-bad-sdf", std::string(kSdf) + "[TIMER]\r\nInterval=0\r\n") +
              "Lumo.exe");
  EXPECT_NE(AnswerBox(bad.Id()).find(L"Lumo.sdf\r\n[TIMER] Interval is 0"), std::wstring::npos);
  EXPECT_EQ(AnswerBox(bad.Id(), IDYES), kExitQuestion);
  EXPECT_TRUE(bad.WaitForExit());
}

TEST(LumoShell, MachineSettingsAreShownAndTheShownOnesSavedPerUser) {
  struct Case {
    // Without a port there is no machine key; without AutoStart it is a text, without
    // UseComport there is no such value.
    std::optional<DWORD> port, auto_start, use_port;
    const wchar_t* error;                   // the box of a value that cannot be read
    std::tuple<LRESULT, bool, bool> shown;  // port selected, port list usable, monitoring
    DWORD saved_port, saved_auto_start;
    // An installer closes the program (ENDSESSION_CLOSEAPP) while the box is open: what was
    // read before and the hotkey file are saved, and Lumo ends by itself, with no box left.
    bool closed_by_installer = false;
  };
  const Case cases[] = {
      {3, 0, 1, nullptr, {3, true, false}, 3, 0},
      // The per-user values of the run before are not read back.
      {{}, {}, {}, nullptr, {CB_ERR, false, true}, 0xFFFFFFFF, 1},
      // What was read before a failure stays, the rest keeps the defaults; a port beyond
      // the list selects none.
      {2, {}, 1, L"Invalid data type for 'AutoStart'", {2, false, true}, 2, 1},
      {10, 0, {}, L"Failed to get data for 'UseComport'", {CB_ERR, false, false}, 0xFFFFFFFF, 0},
      {4, 0, {}, L"Failed to get data for 'UseComport'", {}, 4, 0, true},
  };
  const std::string dir = PrepareLumoDir("settings", kSdf);
  RegDeleteTreeA(HKEY_CURRENT_USER, kUserSettingsKey);
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
    const auto set = [](const char* name, DWORD type, const void* data, DWORD size) {
      RegSetKeyValueA(HKEY_LOCAL_MACHINE, kMachineSettingsKey, name, type, data, size);
    };
    if (c.port) {
      set("Comport", REG_DWORD, &*c.port, sizeof(DWORD));
      c.auto_start ? set("AutoStart", REG_DWORD, &*c.auto_start, sizeof(DWORD))
                   : set("AutoStart", REG_SZ, "0", 2);
      if (c.use_port) {
        set("UseComport", REG_DWORD, &*c.use_port, sizeof(DWORD));
      }
    }
    DeleteFileA((dir + "Lumo.hkd").c_str());
    LumoRun run = StartLumo(dir, false);
    const auto close_app = [&] {  // sent, as Windows sends it, while the box waits
      DWORD_PTR ignored = 0;
      SendMessageTimeoutW(WindowOf(run.process.Id(), "TForm1", false), WM_ENDSESSION, TRUE,
                          ENDSESSION_CLOSEAPP, SMTO_BLOCK, 5000, &ignored);
      EXPECT_TRUE(run.process.WaitForExit(3s));
    };
    if (c.error) {
      EXPECT_EQ(AnswerBox(run.process.Id(), IDOK,
                          c.closed_by_installer ? close_app : std::function<void()>()),
                c.error);
    }
    if (c.closed_by_installer) {
      EXPECT_EQ(run.process.ExitCode(), 0u);
      EXPECT_EQ(ReadFile(dir + "Lumo.hkd").substr(0, 2), "\x06\x1F");  // an empty list's
    } else {
      run.main = WaitForMainWindow(run.process);
      ASSERT_NE(run.main, nullptr);
      HWND ports = GetDlgItem(run.main, kIdPortList);
      EXPECT_EQ(
          std::make_tuple(SendMessageW(ports, CB_GETCURSEL, 0, 0), IsWindowEnabled(ports) != 0,
                          SendMessageW(GetDlgItem(run.main, kIdAutoMonitoringBox), BM_GETCHECK, 0,
                                       0) == BST_CHECKED),
          c.shown);
      ASSERT_TRUE(ExitThroughMenu(run));
      ASSERT_TRUE(run.process.WaitForExit());
    }
    EXPECT_EQ(SavedSetting("Comport"), c.saved_port);
    EXPECT_EQ(SavedSetting("AutoStart"), c.saved_auto_start);
    EXPECT_EQ(SavedSetting("UseComport"), std::nullopt);
  }
  // The machine's key read only: asking for more fails under UAC, losing its values.
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "Comport", REG_DWORD, "\1\0\0", 4);
  std::optional<RegistryKey> machine = OpenMachineSettings();
  ASSERT_TRUE(machine);
  EXPECT_EQ(machine->ReadInt32("Comport"), 1);
  EXPECT_FALSE(machine->WriteInt32("Comport", 2));
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
}

}  // namespace
}  // namespace lumo::test
