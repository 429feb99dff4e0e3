#pragma once
// Starting and stopping the service: the attachment to the register window. The main
// window forwards its clicks, timer ticks and the hook library's message here and shows
// the resulting state; everything that decides lives in this class.
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/window_handle.h"

namespace lumo {

enum class ServiceStatus { NotStarted, Running, Stopped };

// Who made a start attempt: a person answers message boxes, the polling timer is silent.
enum class AttemptBy { Person, Timer };

struct ServiceState {
  bool StartEnabled = true;
  bool StopEnabled = false;
  bool PollingEnabled = true;
  std::uint32_t PollingInterval = 500;
  ServiceStatus Status = ServiceStatus::NotStarted;
  WindowHandle MonitoredWindow = 0;

  bool Running() const { return StopEnabled; }
  // The polling timer ticks only when enabled and with a non-zero interval.
  bool Polling() const { return PollingEnabled && PollingInterval != 0; }
};

// What the service needs from the main window and the system.
class ServicePorts {
 public:
  virtual ~ServicePorts() = default;
  virtual WindowHandle ForegroundWindow() = 0;
  // The window's title read into a buffer of buffer_size bytes (bounded wait).
  virtual std::string WindowTitle(WindowHandle window, std::size_t buffer_size) = 0;
  virtual std::string WindowCaption() = 0;
  virtual bool InstallMonitorHook(WindowHandle window) = 0;
  virtual void RemoveMonitorHook() = 0;
  // Information box; returns when the user has closed it (a nested message loop runs).
  virtual void ShowInformation(const std::string& text) = 0;
  // The show and close command lists; either may throw the error that ended the run.
  virtual void RunShowActions() = 0;
  virtual void RunCloseActions() = 0;
  virtual void StateChanged(const ServiceState& state) = 0;
  // The window in front has this title, and the caption is not in it (for the support log).
  virtual void CaptionMissing(const std::string& title) { static_cast<void>(title); }
};

inline constexpr std::size_t kTitleBufferSize = 64;
inline constexpr std::uint32_t kPollingInterval = 500;

class ServiceControl {
 public:
  explicit ServiceControl(ServicePorts& ports) : ports_(ports) {}

  const ServiceState& State() const { return state_; }

  // One start attempt.
  void TryStart(AttemptBy by);
  // Stop: detach and forget the window. Never runs the close commands.
  void Stop();
  void OnPollingTick();
  void SetAutoMonitoring(bool checked);
  // The register window has gone away: close commands, then stop.
  void HookClosed();

 private:
  void MarkRunning();

  ServicePorts& ports_;
  ServiceState state_;
  // True while a manual attempt waits for its "InstallHook OK" box to be closed.
  bool confirming_ = false;
  // Counts stops, so that an attempt that waited on its box sees one that happened meanwhile.
  std::uint64_t stops_ = 0;
};

}  // namespace lumo
