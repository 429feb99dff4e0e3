#include "service/service_control.h"

#include "service/caption_match.h"

namespace lumo {

namespace {

class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void ServiceControl::TryStart(AttemptBy by) {
  // A manual attempt is between its hook and its show commands: a second attempt now would
  // attach again and run the show commands twice.
  if (confirming_) {
    return;
  }
  WindowHandle candidate = ports_.ForegroundWindow();
  if (candidate != 0) {
    const std::string title = ports_.WindowTitle(candidate, kTitleBufferSize);
    if (!CaptionOccurs(title, ports_.WindowCaption())) {
      ports_.CaptionMissing(title);
      candidate = 0;
    }
  }
  if (candidate == 0) {
    if (by == AttemptBy::Person) {
      ports_.ShowInformation("Cannot find the monitee window");
    }
    return;
  }
  state_.MonitoredWindow = candidate;
  ports_.StateChanged(state_);
  if (!ports_.InstallMonitorHook(candidate)) {
    return;
  }
  if (by == AttemptBy::Person) {
    const std::uint64_t stops_before = stops_;
    {
      FlagScope scope(confirming_);
      ports_.ShowInformation("InstallHook OK");
    }
    // The register window went away while the box was open: that stop already detached
    // the hook, and the show commands would go to a window that no longer exists.
    if (stops_ != stops_before) {
      return;
    }
  }
  try {
    ports_.RunShowActions();
  } catch (...) {
    // The hook is attached: show the service as running so that polling does not repeat
    // the attempt and its error every tick.
    MarkRunning();
    throw;
  }
  MarkRunning();
}

void ServiceControl::MarkRunning() {
  state_.StartEnabled = false;
  state_.StopEnabled = true;
  state_.PollingEnabled = false;
  state_.Status = ServiceStatus::Running;
  ports_.StateChanged(state_);
}

void ServiceControl::Stop() {
  ports_.RemoveMonitorHook();
  ++stops_;
  state_.StopEnabled = false;
  state_.StartEnabled = true;
  state_.PollingEnabled = true;
  state_.MonitoredWindow = 0;
  state_.Status = ServiceStatus::Stopped;
  ports_.StateChanged(state_);
}

void ServiceControl::OnPollingTick() {
  TryStart(AttemptBy::Timer);
}

void ServiceControl::SetAutoMonitoring(bool checked) {
  state_.PollingInterval = checked ? kPollingInterval : 0;
  ports_.StateChanged(state_);
}

void ServiceControl::HookClosed() {
  try {
    ports_.RunCloseActions();
  } catch (...) {
    // The register window is gone whatever the commands did: stop, then report.
    Stop();
    throw;
  }
  Stop();
}

}  // namespace lumo
