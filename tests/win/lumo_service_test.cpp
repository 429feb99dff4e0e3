// The service end to end: Lumo.exe beside register-sim.exe and the recording cts4r.dll.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/monitor_ids.h"
#include "support/lumo_program.h"

namespace lumo::test {
namespace {

class LumoService : public ::testing::Test {
 protected:
  // Lumo with these command lists, recognising register-sim by "银台" (a middle part of
  // its title "收银台 - 演示"), started and gone into the notification area.
  void Start(const std::string& on_show, const std::string& on_close) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\K&V\\Lumo");  // automatic monitoring on
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    run_ =
        StartLumo(PrepareLumoDir(name, "[WINDOW]\r\nCaption=\xD2\xF8\xCC\xA8\r\nOnShow=" + on_show +
                                           "\r\nOnClose=" + on_close + "\r\n"));
    ASSERT_NE(run_.main, nullptr);
  }

  // How many times the display got this line-1 text.
  int Printed(const std::string& text) const {
    const std::vector<AnnouncerCall> calls = run_.record.Calls();
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const auto& call) {
      return call.Name == "PrintText" && call.Text == text;
    }));
  }

  bool WaitStatus(const std::wstring& status) const {
    return WaitUntil([&] { return StatusText(run_.main) == status; }, 3s);
  }

  void ExpectRunning(bool running) const {
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(run_.main, kIdButton1)) != FALSE, !running);
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(run_.main, kIdButton2)) != FALSE, running);
  }

  std::wstring AnswerBox() const { return test::AnswerBox(run_.process.Id()); }

  bool NoBox() const { return FindProcessWindow(run_.process.Id(), "#32770") == nullptr; }

  LumoRun run_;
};

TEST_F(LumoService, RegisterInFrontStartsItsCloseOrDeathStopsAndCommandErrorsAreShown) {
  Start("DISPLAY=~show<%1001%> & DISPLAY=~<%q1%>", "DISPLAY=~bye & DISPLAY=~<%y%>");
  Sleep(600);  // polling with the register not yet there changes nothing
  EXPECT_EQ(StatusText(run_.main), kNotStarted);
  EXPECT_TRUE(NoBox());

  RegisterSim sim = StartRegisterSim();
  SetForegroundWindow(sim.window);
  const ULONGLONG shown = GetTickCount64();
  ASSERT_TRUE(WaitStatus(kRunning));
  EXPECT_LT(GetTickCount64() - shown, 1500u);
  ExpectRunning(true);
  // The display is cleared, and given its time, before line 1 gets the text; then the
  // second command fails, once: polling stops before the commands run.
  const std::vector<AnnouncerCall> calls = run_.record.WaitForCalls(2);
  ASSERT_EQ(Summaries(calls), (std::vector<std::string>{"Cls 0", "PrintText 1 1 show12.50"}));
  EXPECT_GE(calls[1].Ms - calls[0].Ms, 100);
  Sleep(800);
  EXPECT_EQ(AnswerBox(), L"'q1' is not a valid integer value");
  Pump(300ms);
  EXPECT_TRUE(NoBox());
  EXPECT_EQ(Printed("show12.50"), 1);
  EXPECT_EQ(Printed("bye"), 0);

  // The close commands run up to their error; the service has stopped by then.
  PostMessageW(sim.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !NoBox(); }));
  EXPECT_EQ(StatusText(run_.main), kStopped);
  ExpectRunning(false);
  EXPECT_EQ(AnswerBox(), L"'y' is not a valid integer value");
  EXPECT_EQ(Printed("bye"), 1);
  // Only once, although the register's process ended too.
  ASSERT_TRUE(sim.process.WaitForExit(5s));
  Pump(500ms);
  EXPECT_EQ(Printed("bye"), 1);
  EXPECT_TRUE(NoBox());

  // Polling resumes: the next register in front starts the service again, and a killed
  // register stops it too.
  RegisterSim again = StartRegisterSim();
  SetForegroundWindow(again.window);
  ASSERT_TRUE(WaitStatus(kRunning));
  EXPECT_EQ(AnswerBox(), L"'q1' is not a valid integer value");
  EXPECT_EQ(Printed("show12.50"), 2);
  again.process.Kill();
  ASSERT_TRUE(WaitStatus(kStopped));
  ExpectRunning(false);
  EXPECT_EQ(AnswerBox(), L"'y' is not a valid integer value");
  Pump(500ms);
  EXPECT_EQ(Printed("bye"), 2);
  EXPECT_TRUE(NoBox());
}

TEST_F(LumoService, ManualStartFindsNoRegisterBehindItsOwnWindowConfirmsAndStopsWithoutClose) {
  Start("DISPLAY=~show", "DISPLAY=~bye");
  // With its own window in front there is no register to attach to.
  SendMessageW(run_.main, kWmTrayNotify, 0, WM_LBUTTONDBLCLK);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == run_.main; }));
  HWND check_box = GetDlgItem(run_.main, kIdCheckBox1);
  SendMessageW(check_box, BM_CLICK, 0, 0);
  EXPECT_EQ(SendMessageW(check_box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  PostMessageW(GetDlgItem(run_.main, kIdButton1), BM_CLICK, 0, 0);
  EXPECT_EQ(AnswerBox(), L"!Cannot find the monitee window");
  EXPECT_EQ(StatusText(run_.main), kNotStarted);
  ExpectRunning(false);

  RegisterSim sim = StartRegisterSim();
  SetForegroundWindow(sim.window);
  Sleep(700);  // automatic monitoring is off: nothing starts by itself
  EXPECT_EQ(StatusText(run_.main), kNotStarted);

  PostMessageW(GetDlgItem(run_.main, kIdButton1), BM_CLICK, 0, 0);
  HWND box = WaitForMessageBox(run_.process.Id());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"!InstallHook OK");  // information: no icon
  // Nothing runs and nothing changes until the box is answered.
  Sleep(300);
  EXPECT_EQ(Printed("show"), 0);
  EXPECT_EQ(StatusText(run_.main), kNotStarted);
  ASSERT_TRUE(PressButton(box, IDOK));
  ASSERT_TRUE(WaitStatus(kRunning));
  EXPECT_EQ(Printed("show"), 1);

  PostMessageW(GetDlgItem(run_.main, kIdButton2), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitStatus(kStopped));
  ExpectRunning(false);
  // The hook is gone: closing the register now reports nothing.
  PostMessageW(sim.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(sim.process.WaitForExit(5s));
  Pump(500ms);
  EXPECT_EQ(Printed("bye"), 0);
  EXPECT_EQ(Printed("show"), 1);
}

}  // namespace
}  // namespace lumo::test
