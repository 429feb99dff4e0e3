// The service end to end: Lumo.exe beside register-sim.exe and the recording cts4r.dll.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/monitor_ids.h"
#include "support/lumo_program.h"

namespace lumo::test {
namespace {

TEST(LumoService, RegisterInFrontStartsItsCloseOrDeathStopsAndCommandErrorsAreShown) {
  // Lumo recognising register-sim by "银台", a middle part of its title "收银台 - 演示".
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\K&V\\Lumo");  // automatic monitoring on
  LumoRun run = StartLumo(PrepareLumoDir("service",
                                         "[WINDOW]\r\nCaption=\xD2\xF8\xCC\xA8\r\n"
                                         "OnShow=DISPLAY=~show<%1001%> & DISPLAY=~<%q1%>\r\n"
                                         "OnClose=DISPLAY=~bye & DISPLAY=~<%y%>\r\n"));
  ASSERT_NE(run.main, nullptr);
  const auto wait_status = [&](const wchar_t* status) {
    return WaitUntil([&] { return StatusText(run.main) == status; }, 3s);
  };
  const auto expect_running = [&](bool running) {
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(run.main, kIdButton1)) != FALSE, !running);
    EXPECT_EQ(IsWindowEnabled(GetDlgItem(run.main, kIdButton2)) != FALSE, running);
  };
  const auto answer = [&] { return AnswerBox(run.process.Id()); };
  const auto no_box = [&] { return WindowOf(run.process.Id(), "#32770", true, 0ms) == nullptr; };

  RegisterSim sim = StartRegisterSim();
  SetForegroundWindow(sim.window);
  const ULONGLONG shown = GetTickCount64();
  ASSERT_TRUE(wait_status(kRunning));
  EXPECT_LT(GetTickCount64() - shown, 1500u);
  expect_running(true);
  // The display is cleared, and given its time, before line 1 gets the text; then the
  // second command fails, once: polling stops before the commands run.
  const std::vector<AnnouncerCall> calls = run.record.WaitForCalls(2);
  ASSERT_EQ(Summaries(calls), (std::vector<std::string>{"Cls 0", "PrintText 1 1 show12.50"}));
  EXPECT_GE(calls[1].Ms - calls[0].Ms, 100);
  Sleep(800);
  EXPECT_EQ(answer(), L"'q1' is not a valid integer value");
  Sleep(300);
  EXPECT_TRUE(no_box());
  EXPECT_EQ(run.record.Count("PrintText 1 1 show12.50"), 1);
  EXPECT_EQ(run.record.Count("PrintText 1 1 bye"), 0);

  // The close commands run up to their error; the service has stopped by then.
  PostMessageW(sim.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !no_box(); }));
  EXPECT_EQ(StatusText(run.main), kStopped);
  expect_running(false);
  EXPECT_EQ(answer(), L"'y' is not a valid integer value");
  EXPECT_EQ(run.record.Count("PrintText 1 1 bye"), 1);
  // Only once, although the register's process ended too.
  ASSERT_TRUE(sim.process.WaitForExit());
  Sleep(500);
  EXPECT_EQ(run.record.Count("PrintText 1 1 bye"), 1);
  EXPECT_TRUE(no_box());

  // Polling resumes: the next register in front starts the service again, and a killed
  // register stops it too.
  RegisterSim again = StartRegisterSim();
  SetForegroundWindow(again.window);
  ASSERT_TRUE(wait_status(kRunning));
  EXPECT_EQ(answer(), L"'q1' is not a valid integer value");
  EXPECT_EQ(run.record.Count("PrintText 1 1 show12.50"), 2);
  again.process.Kill();
  ASSERT_TRUE(wait_status(kStopped));
  expect_running(false);
  EXPECT_EQ(answer(), L"'y' is not a valid integer value");
  Sleep(500);
  EXPECT_EQ(run.record.Count("PrintText 1 1 bye"), 2);
  EXPECT_TRUE(no_box());
}

}  // namespace
}  // namespace lumo::test
