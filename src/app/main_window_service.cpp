// What the service and the capture need of the main window: the register in front, the hook
// library, the command lists, the capture timer, and the support log's view of the service.
#include "app/main_window.h"

#include "app/main_window_timers.h"
#include "app/support_log_events.h"
#include "announcer/command_execution.h"
#include "hooker.h"
#include "platform/message_boxes.h"
#include "platform/program_log.h"

namespace lumo {

void MainWindow::CaptureTimerSwitch::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Apply();
}

void MainWindow::CaptureTimerSwitch::SetInterval(std::uint32_t milliseconds) {
  interval_ = milliseconds;
  Apply();
}

void MainWindow::CaptureTimerSwitch::Apply() {
  if (enabled_ && interval_ != 0) {
    if (SetTimer(window_.Handle(), kCaptureTimer, interval_, nullptr) == 0) {
      throw std::runtime_error("Not enough timers available");
    }
  } else {
    KillTimer(window_.Handle(), kCaptureTimer);
  }
}

WindowHandle MainWindow::ForegroundWindow() {
  return reinterpret_cast<WindowHandle>(GetForegroundWindow());
}

std::string MainWindow::WindowTitle(WindowHandle window, std::size_t buffer_size) {
  return window_texts_.Text(window, buffer_size);
}

std::string MainWindow::WindowCaption() {
  return screen_ ? screen_->WindowCaption : std::string();
}

bool MainWindow::InstallMonitorHook(WindowHandle window) {
  HWND target = reinterpret_cast<HWND>(window);
  const DWORD thread = GetWindowThreadProcessId(target, nullptr);
  const bool installed = (InstallAllHook(thread, Handle(), target) & 0xFF) != 0;
  LogRegisterFound(target, window_texts_.Text(window, kTitleBufferSize), installed);
  return installed;
}

void MainWindow::RemoveMonitorHook() {
  ::UnInstallHook();
}

void MainWindow::ShowInformation(const std::string& text) {
  ShowInformationBox(text);
}

CommandContext MainWindow::Context() {
  return CommandContext{MonitoredWindow(), logged_texts_, logged_announcer_, sleeper_};
}

void MainWindow::RunShowActions() {
  ProgramLog().Write("command", "show commands");
  RunActionList(Context(), screen_ ? screen_->OnShowActions.get() : nullptr);
}

void MainWindow::RunCloseActions() {
  ProgramLog().Write("command", "close commands");
  RunActionList(Context(), screen_ ? screen_->OnCloseActions.get() : nullptr);
}

void MainWindow::StateChanged(const ServiceState& state) {
  if (state.Running() != logged_running_) {
    logged_running_ = state.Running();
    if (logged_running_) {
      ProgramLog().Write("register", "attached");
    }
    ProgramLog().Write("service",
                       std::string(logged_running_ ? "started " : "stopped ") + service_cause_);
  }
  ApplyState(state);
}

void MainWindow::CaptionMissing(const std::string& title) {
  // Polling asks twice a second: only a new title in front is worth a line.
  if (title != last_missing_title_) {
    last_missing_title_ = title;
    ProgramLog().Write("register", "not found: the window in front, \"" + title +
                                       "\", does not contain \"" + WindowCaption() + "\"");
  }
}

}  // namespace lumo
