#pragma once
// MainWindow: the main window. It owns the screen definition and the service, and turns
// clicks, timer ticks and the messages of the notification area, the hook library and a
// second copy into calls on them.
#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "announcer/command_context.h"
#include "capture/screen_capture.h"
#include "common/window_handle.h"
#include "hotkeys/hotkey_actions.h"
#include "hotkeys/hotkey_store.h"
#include "hotkeys/hotkey_definitions.h"
#include "hotkeys/win/system_hotkeys.h"
#include "platform/cts4r_announcer.h"
#include "platform/win_capture_system.h"
#include "platform/win_code_page.h"
#include "platform/win_files.h"
#include "platform/win_sleeper.h"
#include "platform/win_window_texts.h"
#include "platform/wnd.h"
#include "screendef/capture_timer.h"
#include "screendef/screen_definition.h"
#include "service/service_control.h"
#include "supportlog/capture_summary.h"
#include "supportlog/logged_calls.h"

namespace lumo {

class MainWindow : public Wnd, public HotkeyHost, private ServicePorts {
 public:
  // hotkeys is the process-wide list; it outlives the window.
  explicit MainWindow(HotkeyList& hotkeys);
  ~MainWindow() override;

  // Creates the window and runs the start-up sequence. Afterwards the window is shown
  // unless start-up ended the program or put the window into the notification area.
  void Create();
  // After the message loop has ended: what a session end left standing (the service, the
  // hotkeys, the screen definition, the window) goes, with nothing saved again.
  void EndAfterLoop();
  bool Closed() const { return closed_; }

  WindowHandle MonitoredWindow() const { return service_.State().MonitoredWindow; }

  // HotkeyHost: the menu items and the announcer as hotkey actions reach them.
  void RestoreFromTray() override;
  bool EditHotkeysEnabled() const override;
  void OnEditHotkeys() override;
  bool SettingsEnabled() const override;
  void OnSettings() override;
  void RunHotkeyCommand(const std::string& parameter) override;
  void ReportError(const std::string& text) override;
  void HotkeyInstalled(std::int32_t index, bool registered) override;

 private:
  // The capture timer as the screen definition switches it.
  class CaptureTimerSwitch : public CaptureTimer {
   public:
    explicit CaptureTimerSwitch(MainWindow& window) : window_(window) {}
    void SetEnabled(bool enabled) override;
    void SetInterval(std::uint32_t milliseconds) override;
    bool Enabled() const { return enabled_; }
    std::uint32_t Interval() const { return interval_; }

   private:
    void Apply();
    MainWindow& window_;
    bool enabled_ = false;
    std::uint32_t interval_ = 1000;
  };

  CommandContext Context();
  void CreateControls();
  void StartUp();
  void ReadSettings();
  bool AskExitQuestion();
  bool MayClose();
  void ShutDown();
  void ReleaseScreen();
  void EndSession();
  // Closed, or the session is ending: no more start-up steps, questions or closes.
  bool Ended() const { return closed_ || session_ending_; }
  void RequestClose();
  void WriteSettings();
  void HideToTrayAtStart();
  void HideToTray();
  void OnAbout();
  void OnExitItem();
  void OnTrayNotify(LPARAM mouse_message);
  void SetStatus(const std::wstring& text);
  void SetAutoMonitoringBox(bool checked);
  void ApplyState(const ServiceState& state);

  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnTimer(UINT_PTR id) override;
  void OnClose() override;
  void OnDestroy() override;

  // ServicePorts
  WindowHandle ForegroundWindow() override;
  std::string WindowTitle(WindowHandle window, std::size_t buffer_size) override;
  std::string WindowCaption() override;
  bool InstallMonitorHook(WindowHandle window) override;
  void RemoveMonitorHook() override;
  void ShowInformation(const std::string& text) override;
  void RunShowActions() override;
  void RunCloseActions() override;
  void StateChanged(const ServiceState& state) override;
  void CaptionMissing(const std::string& title) override;

  HotkeyList& hotkeys_;
  WinFileSystem files_;
  WinCodePage code_page_;
  HotkeyStore hotkey_store_;
  std::unique_ptr<SystemHotkeys> system_hotkeys_;
  std::unique_ptr<HotkeyActions> hotkey_actions_;
  WinWindowTexts window_texts_;
  Cts4rAnnouncer announcer_;
  WinSleeper sleeper_;
  ServiceControl service_{*this};
  WinCaptureSystem capture_system_;
  // DisplayImage, SentImage and IdleTicks live here; it reads screen_ on every tick.
  std::unique_ptr<ScreenCapture> capture_;
  std::unique_ptr<ScreenDefinition> screen_;
  CaptureTimerSwitch capture_timer_{*this};
  // The support log's view of commands and capture; the service's cause for its next change.
  LoggingAnnouncer logged_announcer_;
  LoggingWindowTexts logged_texts_;
  CaptureSummary capture_summary_;
  const char* service_cause_ = "by hand";
  bool logged_running_ = false;
  std::string last_missing_title_;
  std::map<int, unsigned long> registration_errors_;  // by hotkey identifier
  bool exit_confirmed_ = false;
  bool closed_ = false;
  bool asking_exit_ = false;     // the exit question is open
  bool session_ending_ = false;  // Windows is ending the session: files saved, loop ending
  bool in_tray_ = false;
  std::string tray_tip_;  // the tip the icon was added with, for adding it again
  const UINT taskbar_created_ = RegisterWindowMessageW(L"TaskbarCreated");
  UINT polling_interval_ = 0;  // what the polling timer ticks at; 0 when it does not tick
  std::wstring status_;

  HICON icon_ = nullptr;
  HMENU tray_menu_ = nullptr;
  HWND port_list_ = nullptr;
  HWND start_button_ = nullptr;
  HWND stop_button_ = nullptr;
  HWND auto_monitoring_box_ = nullptr;
  HWND status_bar_ = nullptr;
  HBITMAP glyphs_[4] = {};
};

}  // namespace lumo
