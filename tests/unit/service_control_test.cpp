#include "service/service_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/errors.h"
#include "service/caption_match.h"
#include "service/message_title.h"

namespace lumo {
namespace {

constexpr WindowHandle kRegister = 0x1234;  // 4660
constexpr WindowHandle kMainWindow = 0x99;
using Calls = std::vector<std::string>;

// Records every call in order, each reported state as "state <status> <window> <start, stop
// and polling enabled> <interval>", and runs what a test hooks onto a call.
class FakePorts : public ServicePorts {
 public:
  WindowHandle foreground = kRegister;
  std::map<WindowHandle, std::string> titles{{kRegister, "POS - checkout"}, {kMainWindow, "Lumo"}};
  bool hook_result = true;
  std::map<std::string, std::function<void()>> on;
  Calls calls;

  Calls Take() { return std::exchange(calls, {}); }
  WindowHandle ForegroundWindow() override { return foreground; }
  std::string WindowTitle(WindowHandle window, std::size_t buffer_size) override {
    Record("title " + std::to_string(buffer_size));
    return titles[window];
  }
  std::string WindowCaption() override { return "checkout"; }
  bool InstallMonitorHook(WindowHandle window) override {
    Record("install " + std::to_string(window));
    return hook_result;
  }
  void RemoveMonitorHook() override { Record("uninstall"); }
  void ShowInformation(const std::string& text) override { Record("info " + text); }
  void RunShowActions() override { Record("show"); }
  void RunCloseActions() override { Record("close"); }
  void StateChanged(const ServiceState& s) override {
    const char* status[] = {"new", "running", "stopped"};
    Record("state " + std::string(status[static_cast<int>(s.Status)]) + " " +
           std::to_string(s.MonitoredWindow) + " " + std::to_string(s.StartEnabled) +
           std::to_string(s.StopEnabled) + std::to_string(s.PollingEnabled) + " " +
           std::to_string(s.PollingInterval));
  }

 private:
  void Record(const std::string& call) {
    calls.push_back(call);
    if (auto hook = on.find(call); hook != on.end()) {
      hook->second();
    }
  }
};

class ServiceTest : public ::testing::Test {
 protected:
  FakePorts ports;
  ServiceControl service{ports};
};

const std::string kRunning = "state running 4660 010 500";
const std::string kStopped = "state stopped 0 101 500";

TEST(CaptionMatch, ByteExactCaseSensitiveSearchAndTheTitleIsTheFileNameToItsFirstDot) {
  EXPECT_TRUE(CaptionOccurs("POS - checkout 3", "checkout") &&
              CaptionOccurs("checkout", "checkout"));
  EXPECT_FALSE(CaptionOccurs("POS - Checkout", "checkout") || CaptionOccurs("POS", "POS2"));
  EXPECT_FALSE(CaptionOccurs("POS", "") || CaptionOccurs("", ""));
  // "收银台" in GBK: the caption is found only as the same bytes.
  EXPECT_TRUE(CaptionOccurs("\xCA\xD5\xD2\xF8\xCC\xA8 1", "\xD2\xF8"));
  EXPECT_FALSE(CaptionOccurs("\xCA\xD5\xD2\xF8", "\xCA\xD5\xD2\xF9"));
  EXPECT_EQ(MessageTitle("C:\\Pos\\Lumo.exe") + MessageTitle("C:\\Pos\\LUMO.EXE"), "LumoLumo");
  EXPECT_EQ(MessageTitle("C:\\Pos.d\\my.Lumo.exe"), "my");
  EXPECT_EQ(MessageTitle("lumo"), "lumo");
  // A double-byte character is copied whole; its trail byte is never lowered.
  EXPECT_EQ(MessageTitle("C:\\A\xB1\x41Z.exe"), "A\xB1\x41z");
}

TEST_F(ServiceTest, StartOnlyTheRegisterInFrontIsAttachedAndOnlyAPersonIsTold) {
  ports.foreground = kMainWindow;  // pressing the button puts the main window in front
  service.TryStart(AttemptBy::Person);
  EXPECT_EQ(ports.Take(), (Calls{"title 64", "info Cannot find the monitee window"}));
  ports.foreground = 0;
  service.TryStart(AttemptBy::Person);
  EXPECT_EQ(ports.Take(), (Calls{"info Cannot find the monitee window"}));
  ports.foreground = kMainWindow;
  service.OnPollingTick();
  EXPECT_EQ(ports.Take(), (Calls{"title 64"}));

  // The polling timer attaches silently; an error of the show commands is raised once, as
  // the start completes and polling stops.
  ports.foreground = kRegister;
  ports.on["show"] = [] { throw ConversionError("x1"); };
  EXPECT_THROW(service.OnPollingTick(), ConversionError);
  EXPECT_EQ(ports.Take(),
            (Calls{"title 64", "state new 4660 101 500", "install 4660", "show", kRunning}));
  EXPECT_TRUE(service.State().Running());
  EXPECT_FALSE(service.State().Polling());
}

TEST_F(ServiceTest, StartAPersonConfirmsBeforeTheShowCommandsAndTicksMeanwhileDoNothing) {
  // A hook that fails keeps the window, and polling tries again.
  ports.hook_result = false;
  service.TryStart(AttemptBy::Person);
  EXPECT_EQ(ports.Take(), (Calls{"title 64", "state new 4660 101 500", "install 4660"}));
  EXPECT_TRUE(service.State().Polling());

  ports.hook_result = true;
  ports.on["info InstallHook OK"] = [&] { service.OnPollingTick(); };
  service.TryStart(AttemptBy::Person);
  EXPECT_EQ(ports.Take(), (Calls{"title 64", "state new 4660 101 500", "install 4660",
                                 "info InstallHook OK", "show", kRunning}));
  // The guard ends with the box: after a stop a tick starts again.
  service.Stop();
  service.OnPollingTick();
  EXPECT_EQ(ports.Take(), (Calls{"uninstall", kStopped, "title 64", "state stopped 4660 101 500",
                                 "install 4660", "show", kRunning}));
}

TEST_F(ServiceTest, StopCloseCommandsRunOnlyWhenTheRegisterGoesAndTheServiceStopsAnyway) {
  // Gone while the confirmation box is open: the attempt ends there.
  ports.on["info InstallHook OK"] = [&] { service.HookClosed(); };
  service.TryStart(AttemptBy::Person);
  EXPECT_EQ(ports.Take(), (Calls{"title 64", "state new 4660 101 500", "install 4660",
                                 "info InstallHook OK", "close", "uninstall", kStopped}));
  // A stop by the button runs no close commands.
  service.OnPollingTick();
  ports.Take();
  service.Stop();
  EXPECT_EQ(ports.Take(), (Calls{"uninstall", kStopped}));
  // The close commands see the window; an error of theirs still stops the service.
  service.OnPollingTick();
  ports.Take();
  ports.on["close"] = [&] {
    EXPECT_EQ(service.State().MonitoredWindow, kRegister);
    throw ConversionError("%9x");
  };
  EXPECT_THROW(service.HookClosed(), ConversionError);
  EXPECT_EQ(ports.Take(), (Calls{"close", "uninstall", kStopped}));
  // Gone while stopped repeats the stop.
  ports.on.clear();
  service.HookClosed();
  EXPECT_EQ(ports.Take(), (Calls{"close", "uninstall", kStopped}));
}

TEST_F(ServiceTest, PollingTheCheckBoxSetsTheIntervalAndLeavesTheEnabledState) {
  service.SetAutoMonitoring(false);
  EXPECT_FALSE(service.State().Polling());
  service.SetAutoMonitoring(true);
  service.OnPollingTick();
  // Unchecking while running changes nothing until the stop; afterwards no polling.
  service.SetAutoMonitoring(false);
  service.Stop();
  EXPECT_FALSE(service.State().Running());
  service.SetAutoMonitoring(true);
  EXPECT_TRUE(service.State().Polling());
  EXPECT_EQ(ports.Take(),
            (Calls{"state new 0 101 0", "state new 0 101 500", "title 64", "state new 4660 101 500",
                   "install 4660", "show", kRunning, "state running 4660 010 0", "uninstall",
                   "state stopped 0 101 0", kStopped}));
}

}  // namespace
}  // namespace lumo
