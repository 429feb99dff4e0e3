// The main window itself: its controls, the status they show, and where each message goes.
#include "app/main_window.h"

#include <commctrl.h>

#include "app/main_window_ids.h"
#include "app/main_window_timers.h"
#include "app/support_log_events.h"
#include "hooker.h"
#include "hotkeys/hotkey_definitions.h"
#include "platform/program_file.h"
#include "platform/program_log.h"
#include "platform/tray_icon.h"

namespace lumo {

namespace {

constexpr wchar_t kNotStarted[] = L"服务未启动.";
constexpr wchar_t kRunning[] = L"服务正在运行...";
constexpr wchar_t kStopped[] = L"服务已经停止.";

enum Glyph { kStartOn, kStartOff, kStopOn, kStopOff };

HBITMAP LoadGlyph(const wchar_t* name) {
  return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0,
                                         LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS));
}

}  // namespace

const wchar_t* StatusText(ServiceStatus status) {
  switch (status) {
    case ServiceStatus::Running:
      return kRunning;
    case ServiceStatus::Stopped:
      return kStopped;
    case ServiceStatus::NotStarted:
      break;
  }
  return kNotStarted;
}

MainWindow::MainWindow(HotkeyList& hotkeys)
    : hotkeys_(hotkeys),
      hotkey_store_(files_, code_page_, HotkeyFilePath(ProgramFilePath())),
      logged_announcer_(announcer_, ProgramLog()),
      logged_texts_(window_texts_, ProgramLog()),
      capture_summary_(ProgramLog()) {}

MainWindow::~MainWindow() {
  if (tray_menu_ != nullptr) {
    DestroyMenu(tray_menu_);
  }
  for (HBITMAP glyph : glyphs_) {
    if (glyph != nullptr) {
      DeleteObject(glyph);
    }
  }
}

void MainWindow::Create() {
  icon_ = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  CreateWnd({.class_name = kMainClassName,
             .title = kMainTitle,
             .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
             .ex_style = WS_EX_CONTROLPARENT,
             .width = 286,
             .height = 207,
             .icon = icon_});
  CreateControls();
  SetTimer(Handle(), kTrayAtStartTimer, kTrayAtStartDelay, nullptr);
  SetTimer(Handle(), kLogTimer, 1000, nullptr);
  ApplyState(service_.State());
  StartUp();
  if (!Ended() && !in_tray_) {
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
  }
}

void MainWindow::CreateControls() {
  HWND hwnd = Handle();
  glyphs_[kStartOn] = LoadGlyph(L"GLYPH_START");
  glyphs_[kStartOff] = LoadGlyph(L"GLYPH_START_OFF");
  glyphs_[kStopOn] = LoadGlyph(L"GLYPH_STOP");
  glyphs_[kStopOff] = LoadGlyph(L"GLYPH_STOP_OFF");

  // Created in tab order.
  port_list_ = CreateControl(hwnd, {.class_name = L"COMBOBOX",
                                    .x = 72,
                                    .y = 20,
                                    .width = 79,
                                    .height = 200,
                                    .id = kIdPortList,
                                    .style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN});
  for (int port = 1; port <= 10; ++port) {
    const std::wstring name = L"COM" + std::to_wstring(port);
    SendMessageW(port_list_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  start_button_ = CreateControl(hwnd, {.class_name = L"BUTTON",
                                       .x = 38,
                                       .y = 55,
                                       .width = 23,
                                       .height = 22,
                                       .id = kIdStartButton,
                                       .style = WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP});
  stop_button_ = CreateControl(hwnd, {.class_name = L"BUTTON",
                                      .x = 38,
                                      .y = 88,
                                      .width = 23,
                                      .height = 22,
                                      .id = kIdStopButton,
                                      .style = WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP});
  auto_monitoring_box_ = CreateControl(hwnd, {.class_name = L"BUTTON",
                                              .text = L"启用自动监控",
                                              .x = 40,
                                              .y = 123,
                                              .width = 97,
                                              .height = 17,
                                              .id = kIdAutoMonitoringBox,
                                              .style = WS_TABSTOP | BS_AUTOCHECKBOX});
  SendMessageW(auto_monitoring_box_, BM_SETCHECK, BST_CHECKED, 0);
  CreateLabel(hwnd, kIdPortLabel, L"端口", 38, 25);
  CreateLabel(hwnd, kIdStartLabel, L"开始服务", 71, 59);
  CreateLabel(hwnd, kIdStopLabel, L"结束服务", 71, 93);
  status_bar_ = CreateControl(
      hwnd,
      {.class_name = STATUSCLASSNAMEW, .id = kIdStatusBar, .style = SBARS_SIZEGRIP | CCS_BOTTOM});
  int right_edge = -1;
  SendMessageW(status_bar_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right_edge));

  tray_menu_ = CreatePopupMenu();
  AppendMenuW(tray_menu_, MF_STRING, kIdRestoreItem, L"恢复窗口[&R]");
  AppendMenuW(tray_menu_, MF_STRING, kIdEditHotkeysItem, L"编辑热键[&H]");
  AppendMenuW(tray_menu_, MF_STRING | MF_GRAYED, kIdSettingsItem, L"设置[&S]...");
  AppendMenuW(tray_menu_, MF_STRING, kIdAboutItem, L"关于[&A]...");
  AppendMenuW(tray_menu_, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(tray_menu_, MF_STRING, kIdExitItem, L"退出");
}

void MainWindow::SetStatus(const std::wstring& text) {
  status_ = text;
  SendMessageW(status_bar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindow::ApplyState(const ServiceState& state) {
  EnableWindow(start_button_, state.StartEnabled ? TRUE : FALSE);
  EnableWindow(stop_button_, state.StopEnabled ? TRUE : FALSE);
  SendMessageW(start_button_, BM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(glyphs_[state.StartEnabled ? kStartOn : kStartOff]));
  SendMessageW(stop_button_, BM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(glyphs_[state.StopEnabled ? kStopOn : kStopOff]));
  const UINT interval = state.Polling() ? state.PollingInterval : 0;
  if (interval != polling_interval_) {
    if (interval != 0) {
      SetTimer(Handle(), kPollingTimer, interval, nullptr);
    } else {
      KillTimer(Handle(), kPollingTimer);
    }
    polling_interval_ = interval;
  }
  if (state.Status != ServiceStatus::NotStarted) {
    SetStatus(StatusText(state.Status));
  }
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (taskbar_created_ != 0 && message == taskbar_created_) {
    // Explorer started again, with an empty notification area.
    if (in_tray_) {
      AddTrayIcon(Handle(), kWmTrayNotify, icon_, tray_tip_);
    }
    return 0;
  }
  switch (message) {
    case kWmHookClosed:
      ProgramLog().Write("register", wparam == kHookClosedProcess
                                         ? "lost: its process ended (killed or crashed)"
                                         : "lost: its window closed");
      service_cause_ = "automatically: the register went away";
      service_.HookClosed();
      return 0;
    case kWmTrayNotify:
      OnTrayNotify(lparam);
      return 0;
    case kWmRestoreApp:
      RestoreFromTray();
      return 0;
    case WM_SIZE:
      SendMessageW(status_bar_, WM_SIZE, 0, 0);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      LogEndSession(wparam != 0, lparam);
      if (wparam) {
        EndSession();
      }
      return 0;
    default:
      return Wnd::HandleMessage(message, wparam, lparam);
  }
}

bool MainWindow::OnCommand(int id, int code, HWND) {
  switch (id) {
    case kIdStartButton:
      if (code == BN_CLICKED) {
        service_cause_ = "by hand";
        service_.TryStart(AttemptBy::Person);
      }
      return true;
    case kIdStopButton:
      if (code == BN_CLICKED) {
        service_cause_ = "by hand";
        service_.Stop();
      }
      return true;
    case kIdAutoMonitoringBox:
      if (code == BN_CLICKED) {
        service_.SetAutoMonitoring(SendMessageW(auto_monitoring_box_, BM_GETCHECK, 0, 0) ==
                                   BST_CHECKED);
      }
      return true;
    case kIdRestoreItem:
      RestoreFromTray();
      return true;
    case kIdEditHotkeysItem:
      OnEditHotkeys();
      return true;
    case kIdSettingsItem:
      OnSettings();
      return true;
    case kIdAboutItem:
      OnAbout();
      return true;
    case kIdExitItem:
      OnExitItem();
      return true;
    default:
      return false;
  }
}

void MainWindow::OnTimer(UINT_PTR id) {
  if (id == kPollingTimer) {
    service_cause_ = "automatically";
    service_.OnPollingTick();
  } else if (id == kTrayAtStartTimer) {
    HideToTrayAtStart();
  } else if (id == kCaptureTimer && capture_) {
    capture_->OnCaptureTick(MonitoredWindow());
    capture_summary_.AfterTick(GetTickCount64(), MonitoredWindow(), capture_->Counts());
  } else if (id == kLogTimer) {
    ProgramLog().Flush();
  }
}

}  // namespace lumo
