#include "service/service_control.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/errors.h"
#include "service/caption_match.h"
#include "service/message_title.h"

namespace lumo {
namespace {

constexpr WindowHandle kRegister = 0x1234;
constexpr WindowHandle kMainWindow = 0x99;

// Records every call in order and runs what a test hooks onto a call; titles are what
// WM_GETTEXT into the given buffer would give.
class FakePorts : public ServicePorts {
 public:
  WindowHandle foreground = kRegister;
  std::map<WindowHandle, std::string> titles{{kRegister, "POS - checkout"}, {kMainWindow, "Lumo"}};
  std::string caption = "checkout";
  bool hook_result = true;
  std::map<std::string, std::function<void()>> on;
  std::vector<std::string> calls;
  std::vector<ServiceState> states;

  WindowHandle ForegroundWindow() override { return foreground; }
  std::string WindowTitle(WindowHandle window, std::size_t buffer_size) override {
    Record("title " + std::to_string(buffer_size));
    return titles[window].substr(0, buffer_size - 1);
  }
  std::string WindowCaption() override { return caption; }
  bool InstallMonitorHook(WindowHandle window) override {
    Record("install " + std::to_string(window));
    return hook_result;
  }
  void UnInstallHook() override { Record("uninstall"); }
  void ShowInformation(const std::string& text) override { Record("info " + text); }
  void RunShowActions() override { Record("show"); }
  void RunCloseActions() override { Record("close"); }
  void StateChanged(const ServiceState& state) override { states.push_back(state); }

  int Count(const std::string& call) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), call));
  }

 private:
  void Record(const std::string& call) {
    calls.push_back(call);
    if (auto hook = on.find(call); hook != on.end()) {
      hook->second();
    }
  }
};

void ExpectRunning(const ServiceState& state) {
  EXPECT_TRUE(state.Running());
  EXPECT_FALSE(state.Button1Enabled);
  EXPECT_FALSE(state.Timer1Enabled);
  EXPECT_FALSE(state.Polling());
  EXPECT_EQ(state.Status, ServiceStatus::Running);
}

void ExpectStopped(const ServiceState& state) {
  EXPECT_FALSE(state.Running());
  EXPECT_TRUE(state.Button1Enabled);
  EXPECT_TRUE(state.Timer1Enabled);
  EXPECT_EQ(state.Status, ServiceStatus::Stopped);
  EXPECT_EQ(state.MonitoredWindow, 0u);
}

TEST(CaptionMatch, ByteExactCaseSensitiveSearch) {
  EXPECT_TRUE(CaptionOccurs("POS - checkout 3", "checkout"));
  EXPECT_TRUE(CaptionOccurs("checkout", "checkout"));
  EXPECT_FALSE(CaptionOccurs("POS - Checkout", "checkout"));
  EXPECT_FALSE(CaptionOccurs("POS", ""));
  EXPECT_FALSE(CaptionOccurs("", ""));
  EXPECT_FALSE(CaptionOccurs("POS", "POS2"));
  // "收银台" in GBK: the caption is found only as the same bytes.
  EXPECT_TRUE(CaptionOccurs("\xCA\xD5\xD2\xF8\xCC\xA8 1", "\xD2\xF8"));
  EXPECT_FALSE(CaptionOccurs("\xCA\xD5\xD2\xF8", "\xCA\xD5\xD2\xF9"));
}

TEST(MessageTitle, FileNameUpToTheFirstDotWithTheRestLowered) {
  EXPECT_EQ(MessageTitle("C:\\Pos\\Lumo.exe"), "Lumo");
  EXPECT_EQ(MessageTitle("C:\\Pos\\LUMO.EXE"), "Lumo");
  EXPECT_EQ(MessageTitle("C:\\Pos.d\\my.Lumo.exe"), "my");
  EXPECT_EQ(MessageTitle("lumo"), "lumo");
  // A double-byte character is copied whole; its trail byte is never lowered.
  EXPECT_EQ(MessageTitle("C:\\A\xB1\x41Z.exe"), "A\xB1\x41z");
}

TEST(ServiceStart, ManualAttemptWithoutRegisterInFrontSaysSoAndChangesNothing) {
  FakePorts ports;
  ports.foreground = kMainWindow;  // pressing the button puts the main window in front
  ServiceControl service(ports);
  service.Button1Click(AttemptBy::Person);
  EXPECT_EQ(ports.calls,
            (std::vector<std::string>{"title 64", "info Cannot find the monitee window"}));
  EXPECT_TRUE(ports.states.empty());
  EXPECT_EQ(service.State().Status, ServiceStatus::NotStarted);
  EXPECT_EQ(service.State().MonitoredWindow, 0u);

  ports.foreground = 0;
  ports.calls.clear();
  service.Button1Click(AttemptBy::Person);
  EXPECT_EQ(ports.calls, (std::vector<std::string>{"info Cannot find the monitee window"}));
}

TEST(ServiceStart, TimerAttemptsAreSilentUntilTheRegisterIsInFront) {
  FakePorts ports;
  ports.foreground = kMainWindow;
  ServiceControl service(ports);
  service.Timer1Timer();
  EXPECT_EQ(ports.calls, (std::vector<std::string>{"title 64"}));
  ports.foreground = kRegister;
  service.Timer1Timer();
  EXPECT_EQ(ports.Count("show"), 1);
  EXPECT_EQ(ports.Count("info InstallHook OK"), 0);
  ExpectRunning(service.State());
  EXPECT_EQ(service.State().MonitoredWindow, kRegister);
}

TEST(ServiceStart, CaptionIsSearchedInTheFirst63BytesOnly) {
  FakePorts ports;
  ports.titles[kRegister] = std::string(60, 'x') + "checkout";
  ServiceControl service(ports);
  service.Timer1Timer();
  EXPECT_FALSE(service.State().Running());
  ports.titles[kRegister] = std::string(55, 'x') + "checkout";
  service.Timer1Timer();
  EXPECT_TRUE(service.State().Running());
}

TEST(ServiceStart, ManualStartConfirmsBeforeShowCommandsAndState) {
  FakePorts ports;
  ServiceControl service(ports);
  ports.on["info InstallHook OK"] = [&] { EXPECT_FALSE(service.State().Running()); };
  ports.on["show"] = [&] { EXPECT_FALSE(service.State().Running()); };
  service.Button1Click(AttemptBy::Person);
  EXPECT_EQ(ports.calls,
            (std::vector<std::string>{"title 64", "install 4660", "info InstallHook OK", "show"}));
  ExpectRunning(service.State());
}

TEST(ServiceStart, FailedHookKeepsTheWindowButNotTheRunningState) {
  FakePorts ports;
  ports.hook_result = false;
  ServiceControl service(ports);
  service.Button1Click(AttemptBy::Person);
  EXPECT_EQ(ports.Count("show"), 0);
  EXPECT_EQ(ports.Count("info InstallHook OK"), 0);
  EXPECT_EQ(service.State().MonitoredWindow, kRegister);
  EXPECT_TRUE(service.State().Polling());
  EXPECT_EQ(service.State().Status, ServiceStatus::NotStarted);
  // Polling tries again and succeeds once the hook attaches.
  ports.hook_result = true;
  service.Timer1Timer();
  EXPECT_TRUE(service.State().Running());
}

TEST(ServiceStart, ShowCommandErrorIsRaisedOnceAndTheStartCompletes) {
  FakePorts ports;
  ports.on["show"] = [] { throw ConversionError("x1"); };
  ServiceControl service(ports);
  EXPECT_THROW(service.Timer1Timer(), ConversionError);
  ExpectRunning(service.State());
  // Polling is off now: no second attempt, no second error.
  EXPECT_FALSE(service.State().Polling());
  EXPECT_EQ(ports.Count("install 4660"), 1);
}

TEST(ServiceStart, TimerTickWhileTheConfirmationIsOpenDoesNothing) {
  FakePorts ports;
  ServiceControl service(ports);
  ports.on["info InstallHook OK"] = [&] {
    service.Timer1Timer();
    service.Timer1Timer();
  };
  service.Button1Click(AttemptBy::Person);
  EXPECT_EQ(ports.Count("install 4660"), 1);
  EXPECT_EQ(ports.Count("show"), 1);
  ExpectRunning(service.State());
  // The guard ends with the box: a later stop and tick start again.
  service.Button2Click();
  service.Timer1Timer();
  EXPECT_EQ(ports.Count("show"), 2);
}

TEST(ServiceStart, RegisterClosedWhileTheConfirmationIsOpenEndsTheAttempt) {
  FakePorts ports;
  ServiceControl service(ports);
  ports.on["info InstallHook OK"] = [&] { service.HookClosed(); };
  service.Button1Click(AttemptBy::Person);
  EXPECT_EQ(ports.calls, (std::vector<std::string>{"title 64", "install 4660",
                                                   "info InstallHook OK", "close", "uninstall"}));
  ExpectStopped(service.State());
}

TEST(ServiceStop, StopDetachesWithoutCloseCommands) {
  FakePorts ports;
  ServiceControl service(ports);
  service.Timer1Timer();
  ports.calls.clear();
  service.Button2Click();
  EXPECT_EQ(ports.calls, (std::vector<std::string>{"uninstall"}));
  ExpectStopped(service.State());
}

TEST(ServiceStop, RegisterGoneRunsCloseCommandsWhileTheWindowIsStillKnown) {
  FakePorts ports;
  ServiceControl service(ports);
  service.Timer1Timer();
  ports.on["close"] = [&] { EXPECT_EQ(service.State().MonitoredWindow, kRegister); };
  ports.calls.clear();
  service.HookClosed();
  EXPECT_EQ(ports.calls, (std::vector<std::string>{"close", "uninstall"}));
  ExpectStopped(service.State());
  // Polling resumes: the next time the register is in front, the show commands run again.
  service.Timer1Timer();
  EXPECT_EQ(ports.Count("show"), 1);
  EXPECT_TRUE(service.State().Running());
}

TEST(ServiceStop, CloseCommandErrorStillStopsTheService) {
  FakePorts ports;
  ServiceControl service(ports);
  service.Timer1Timer();
  ports.on["close"] = [] { throw ConversionError("%9x"); };
  EXPECT_THROW(service.HookClosed(), ConversionError);
  ExpectStopped(service.State());
  EXPECT_EQ(ports.Count("uninstall"), 1);
}

TEST(ServiceStop, RegisterGoneWhileStoppedRepeatsTheStop) {
  FakePorts ports;
  ServiceControl service(ports);
  service.HookClosed();
  EXPECT_EQ(ports.calls, (std::vector<std::string>{"close", "uninstall"}));
  ExpectStopped(service.State());
}

TEST(ServicePolling, CheckBoxSetsTheIntervalAndLeavesTheEnabledState) {
  FakePorts ports;
  ServiceControl service(ports);
  service.CheckBox1Click(false);
  EXPECT_EQ(service.State().Timer1Interval, 0u);
  EXPECT_TRUE(service.State().Timer1Enabled);
  EXPECT_FALSE(service.State().Polling());

  service.CheckBox1Click(true);
  service.Timer1Timer();
  ASSERT_TRUE(service.State().Running());
  // Unchecking while running changes nothing until the stop; afterwards no polling.
  service.CheckBox1Click(false);
  EXPECT_TRUE(service.State().Running());
  service.Button2Click();
  EXPECT_TRUE(service.State().Timer1Enabled);
  EXPECT_FALSE(service.State().Polling());
  // Checking it while stopped polls at once.
  service.CheckBox1Click(true);
  EXPECT_TRUE(service.State().Polling());
  EXPECT_EQ(service.State().Timer1Interval, 500u);
}

}  // namespace
}  // namespace lumo
