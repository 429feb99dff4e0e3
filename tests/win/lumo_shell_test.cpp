// Lumo.exe as a person meets it: the notification area, the menu, the About box, a second
// copy and the exit question.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/monitor_ids.h"
#include "support/lumo_program.h"
#include "support/message_box.h"

namespace lumo::test {
namespace {

using namespace std::chrono_literals;

constexpr char kSdf[] = "[WINDOW]\r\nCaption=checkout\r\n";

// The exit question of the process, answered; false when it did not come.
bool AnswerExitQuestion(const LumoRun& run, int answer) {
  HWND box = WaitForMessageBox(run.process.Id(), "Lumo");
  if (box == nullptr) {
    return false;
  }
  EXPECT_EQ(MessageBoxText(box), L"是否要退出Lumo?");
  EXPECT_TRUE(HasIcon(box));
  return PressButton(box, answer);
}

TEST(LumoShell, TrayMenuAboutBoxSecondCopyAndTheExitQuestion) {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\K&V\\Lumo");  // the default settings
  const std::string dir = PrepareLumoDir("shell", kSdf);
  LumoRun run = StartLumo(dir);
  ASSERT_NE(run.main, nullptr);
  ASSERT_TRUE(WaitShown(run.main));
  const ULONGLONG shown = GetTickCount64();
  ASSERT_TRUE(WaitHidden(run.main));
  EXPECT_LT(GetTickCount64() - shown, 1500u);
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
  ASSERT_TRUE(AnswerExitQuestion(run, IDNO));
  EXPECT_TRUE(WaitHidden(run.main));

  HWND about = OpenFromTrayMenu(run, 'a', "THelpForm");  // "关于[&A]..."
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(about, kIdAboutLabel1)), L"Lumo抓屏服务器");
  PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));

  Process second(dir + "Lumo.exe");
  ASSERT_TRUE(second.WaitForExit(5s));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(WaitShown(run.main));

  // "退出" answered No: the close that follows asks once more, and No there hides.
  PostMessageW(run.main, WM_COMMAND, kIdN3, 0);
  ASSERT_TRUE(AnswerExitQuestion(run, IDNO));
  ASSERT_TRUE(AnswerExitQuestion(run, IDNO));
  EXPECT_TRUE(WaitHidden(run.main));
  Pump(300ms);
  EXPECT_EQ(FindProcessWindow(run.process.Id(), "#32770", "Lumo"), nullptr);
  EXPECT_TRUE(run.process.Running());
  PostMessageW(run.main, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(AnswerExitQuestion(run, IDYES));
  EXPECT_TRUE(run.process.WaitForExit(5s));
}

TEST(LumoShell, AnInstanceMutexThatCannotBeCreatedIsReportedAndNoCopyStarts) {
  // Another kind of object holding the name refuses the mutex: that tells nothing about
  // another copy, so it is no licence to start as the first one.
  const std::string dir = PrepareLumoDir("shell-no-mutex", kSdf);
  HANDLE other = CreateEventW(nullptr, FALSE, FALSE, L"Lumo.exe");
  Process lumo(dir + "Lumo.exe");
  HWND box = WaitForMessageBox(lumo.Id(), "Lumo");
  CloseHandle(other);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find(L"\"Lumo.exe\""), std::wstring::npos);
  EXPECT_EQ(FindProcessWindow(lumo.Id(), "TForm1", "Lumo"), nullptr);
  EXPECT_TRUE(PressButton(box, IDOK));
  EXPECT_TRUE(lumo.WaitForExit(5s));
}

TEST(LumoShell, AScreenDefinitionThatFailsToLoadSaysWhyThenAsksTheExitQuestion) {
  // An interval of 0 makes the capture timer settings fail to load.
  const std::string dir =
      PrepareLumoDir("shell-bad-sdf", std::string(kSdf) + "[TIMER]\r\nInterval=0\r\n");
  for (const int answer : {IDNO, IDYES}) {
    LumoRun run{Process(dir + "Lumo.exe")};
    // The reason comes first, in an error box naming the file.
    HWND reason = WaitForMessageBox(run.process.Id(), "Lumo");
    ASSERT_NE(reason, nullptr);
    EXPECT_NE(MessageBoxText(reason).find(L"Lumo.sdf\r\n[TIMER] Interval is 0"),
              std::wstring::npos);
    ASSERT_TRUE(PressButton(reason, IDOK));
    ASSERT_TRUE(AnswerExitQuestion(run, answer));
    if (answer == IDYES) {
      EXPECT_TRUE(run.process.WaitForExit(5s));
      break;
    }
    // No: start-up goes on, in the notification area.
    HWND main = WaitForMainWindow(run.process);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(StatusText(main), kNotStarted);
    EXPECT_FALSE(IsWindowVisible(main));
  }
}

}  // namespace
}  // namespace lumo::test
