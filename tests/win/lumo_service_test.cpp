// The service end to end: Lumo.exe beside register-sim.exe and the recording cts4r.dll.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/monitor_ids.h"
#include "support/announcer_record.h"
#include "support/lumo_program.h"
#include "support/message_box.h"
#include "support/process.h"
#include "support/register_sim.h"
#include "support/settings_registry.h"

namespace lumo::test {
namespace {

// "收银台", a middle part of register-sim's title "收银台 - 演示".
constexpr char kCaption[] = "\xD2\xF8\xCC\xA8";

std::string Sdf(const std::string& on_show, const std::string& on_close) {
  return std::string("[WINDOW]\r\nCaption=") + kCaption + "\r\nOnShow=" + on_show +
         "\r\nOnClose=" + on_close + "\r\n";
}

class LumoService : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteKey(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
    name_ = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  }
  void TearDown() override { DeleteKey(HKEY_LOCAL_MACHINE, kMachineSettingsKey); }

  // Lumo with these command lists, started and gone into the notification area.
  LumoRun Start(const std::string& on_show, const std::string& on_close) {
    LumoRun run = StartInTray(PrepareLumoDir(name_, Sdf(on_show, on_close)));
    EXPECT_NE(run.main, nullptr);
    record_ = run.record;
    return run;
  }

  // How many times the display got this line-1 text.
  int Printed(const std::string& text) const {
    const std::vector<AnnouncerCall> calls = record_.Calls();
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const auto& call) {
      return call.Name == "PrintText" && call.Text == text;
    }));
  }

  static bool WaitStatus(HWND main, const std::wstring& status,
                         std::chrono::milliseconds timeout = std::chrono::seconds(3)) {
    return WaitUntil([&] { return StatusText(main) == status; }, timeout);
  }

  static void ExpectRunning(HWND main, bool running) {
    EXPECT_EQ(IsWindowEnabled(Control(main, kIdButton1)) != FALSE, !running);
    EXPECT_EQ(IsWindowEnabled(Control(main, kIdButton2)) != FALSE, running);
  }

  std::string name_;
  AnnouncerRecord record_{""};
};

TEST_F(LumoService, RegisterInFrontStartsTheServiceItsCloseOrDeathStopsIt) {
  LumoRun run = Start("DISPLAY=~show<%1001%>", "DISPLAY=~bye");
  Sleep(600);  // polling with the register not yet there changes nothing
  EXPECT_EQ(StatusText(run.main), kNotStarted);

  RegisterSim sim = StartRegisterSim();
  SetForegroundWindow(sim.window);
  const ULONGLONG shown = GetTickCount64();
  ASSERT_TRUE(WaitStatus(run.main, kRunning));
  EXPECT_LT(GetTickCount64() - shown, 1500u);
  ExpectRunning(run.main, true);
  EXPECT_TRUE(WaitUntil([&] { return Printed("show12.50") == 1; }));
  // The display is cleared, and given its time, before line 1 gets the text.
  const std::vector<AnnouncerCall> calls = record_.Calls();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(Summaries({calls.begin(), calls.begin() + 2}),
            (std::vector<std::string>{"Cls 0", "PrintText 1 1 show12.50"}));
  EXPECT_GE(calls[1].Ms - calls[0].Ms, 100);
  Sleep(1200);  // no second start while running
  EXPECT_EQ(Printed("show12.50"), 1);
  EXPECT_EQ(Printed("bye"), 0);

  PostMessageW(sim.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitStatus(run.main, kStopped));
  ExpectRunning(run.main, false);
  EXPECT_EQ(Printed("bye"), 1);
  // The close commands ran before the stop, and only once although the process ended too.
  ASSERT_TRUE(sim.process.WaitForExit(std::chrono::seconds(5)));
  Sleep(500);
  EXPECT_EQ(Printed("bye"), 1);

  // Polling resumes: the next register in front starts the service again.
  RegisterSim again = StartRegisterSim();
  SetForegroundWindow(again.window);
  ASSERT_TRUE(WaitStatus(run.main, kRunning));
  EXPECT_TRUE(WaitUntil([&] { return Printed("show12.50") == 2; }));
  // A killed register stops it too, and its close commands run.
  again.process.Kill();
  ASSERT_TRUE(WaitStatus(run.main, kStopped));
  ExpectRunning(run.main, false);
  EXPECT_EQ(Printed("bye"), 2);
}

TEST_F(LumoService, ManualStartFindsNoRegisterBehindItsOwnWindowConfirmsAndStopsWithoutClose) {
  SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "Comport", 0);
  SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "AutoStart", 0);
  SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "UseComport", 1);
  LumoRun run = Start("DISPLAY=~show", "DISPLAY=~bye");
  // With its own main window in front there is no register to attach to.
  SendMessageW(run.main, kWmTrayNotify, 0, WM_LBUTTONDBLCLK);
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == run.main; }));
  PostMessageW(Control(run.main, kIdButton1), BM_CLICK, 0, 0);
  HWND box = WaitForMessageBox(run.process.Id(), "Lumo");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"Cannot find the monitee window");
  EXPECT_TRUE(HasButton(box, IDOK));
  EXPECT_FALSE(HasIcon(box));
  ASSERT_TRUE(PressButton(box, IDOK));
  EXPECT_EQ(StatusText(run.main), kNotStarted);
  ExpectRunning(run.main, false);

  RegisterSim sim = StartRegisterSim();
  SetForegroundWindow(sim.window);
  Sleep(700);  // automatic monitoring is off: nothing starts by itself
  EXPECT_EQ(StatusText(run.main), kNotStarted);

  PostMessageW(Control(run.main, kIdButton1), BM_CLICK, 0, 0);
  box = WaitForMessageBox(run.process.Id(), "Lumo");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"InstallHook OK");
  // Nothing runs and nothing changes until the box is answered.
  Sleep(300);
  EXPECT_EQ(Printed("show"), 0);
  EXPECT_EQ(StatusText(run.main), kNotStarted);
  ASSERT_TRUE(PressButton(box, IDOK));
  ASSERT_TRUE(WaitStatus(run.main, kRunning));
  EXPECT_EQ(Printed("show"), 1);

  PostMessageW(Control(run.main, kIdButton2), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitStatus(run.main, kStopped));
  ExpectRunning(run.main, false);
  // The hook is gone: closing the register now reports nothing.
  PostMessageW(sim.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(sim.process.WaitForExit(std::chrono::seconds(5)));
  Sleep(500);
  EXPECT_EQ(Printed("bye"), 0);
  EXPECT_EQ(Printed("show"), 1);
}

TEST_F(LumoService, ShowCommandErrorIsShownOnceAndTheServiceRuns) {
  LumoRun run = Start("DISPLAY=~first & DISPLAY=~<%q1%>", "DISPLAY=~bye");
  RegisterSim sim = StartRegisterSim();
  SetForegroundWindow(sim.window);
  HWND box = WaitForMessageBox(run.process.Id(), "Lumo");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"'q1' is not a valid integer value");
  EXPECT_TRUE(HasIcon(box));
  EXPECT_EQ(StatusText(run.main), kRunning);
  // Polling is off while running: the attempt and its error do not come again.
  Sleep(1200);
  EXPECT_EQ(Printed("first"), 1);
  ASSERT_TRUE(PressButton(box, IDOK));
  Sleep(300);
  EXPECT_EQ(FindProcessWindow(run.process.Id(), "#32770", "Lumo"), nullptr);
  ExpectRunning(run.main, true);
}

TEST_F(LumoService, CloseCommandErrorIsShownAndTheServiceStops) {
  LumoRun run = Start("DISPLAY=~show", "DISPLAY=~<%y%>");
  RegisterSim sim = StartRegisterSim();
  SetForegroundWindow(sim.window);
  ASSERT_TRUE(WaitStatus(run.main, kRunning));
  PostMessageW(sim.window, WM_CLOSE, 0, 0);
  HWND box = WaitForMessageBox(run.process.Id(), "Lumo");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), L"'y' is not a valid integer value");
  EXPECT_EQ(StatusText(run.main), kStopped);
  ExpectRunning(run.main, false);
  ASSERT_TRUE(PressButton(box, IDOK));
}

}  // namespace
}  // namespace lumo::test
