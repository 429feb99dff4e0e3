#include "app/monitor.h"

#include <commctrl.h>

#include "app/about_box.h"
#include "app/monitor_ids.h"
#include "app/monitor_log.h"
#include "app/settings_keys.h"
#include "announcer/command_execution.h"
#include "common/errors.h"
#include "common/program_path.h"
#include "editors/win/hotkey_editor.h"
#include "hooker.h"
#include "platform/ansi_text.h"
#include "platform/message_boxes.h"
#include "platform/program_log.h"
#include "platform/tray_icon.h"
#include "platform/win_profile_reader.h"
#include "screendef/screen_definition_file.h"
#include "screendef/timer_definition.h"
#include "screendef/window_definition.h"
#include "supportlog/event_texts.h"

namespace lumo {

namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT_PTR kTimer2 = 2;
constexpr UINT_PTR kCopyTimer = 3;
constexpr UINT_PTR kLogTimer = 4;  // the support log's lines to its file, off the fast paths
constexpr UINT kTimer2Interval = 200;

constexpr wchar_t kNotStarted[] = L"服务未启动.";
constexpr wchar_t kRunning[] = L"服务正在运行...";
constexpr wchar_t kStopped[] = L"服务已经停止.";

enum Glyph { kStartOn, kStartOff, kStopOn, kStopOff };

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

HBITMAP LoadGlyph(const wchar_t* name) {
  return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0,
                                         LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS));
}

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

}  // namespace

TForm1::TForm1(HotkeyList& hotkeys)
    : hotkeys_(hotkeys),
      hotkey_store_(files_, code_page_, HotkeyFilePath(ProgramPath())),
      logged_announcer_(announcer_, ProgramLog()),
      logged_texts_(window_texts_, ProgramLog()),
      capture_summary_(ProgramLog()) {}

TForm1::~TForm1() {
  if (PopupMenu1 != nullptr) {
    DestroyMenu(PopupMenu1);
  }
  for (HBITMAP glyph : glyphs_) {
    if (glyph != nullptr) {
      DeleteObject(glyph);
    }
  }
}

void TForm1::Create() {
  icon_ = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  CreateWnd({.class_name = kMainClassName,
             .title = kMainTitle,
             .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME,
             .ex_style = WS_EX_CONTROLPARENT,
             .width = 286,
             .height = 207,
             .icon = icon_});
  CreateControls();
  SetTimer(Handle(), kTimer2, kTimer2Interval, nullptr);
  SetTimer(Handle(), kLogTimer, 1000, nullptr);
  ApplyState(service_.State());
  FormCreate();
  if (!Ended() && !in_tray_) {
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
  }
}

void TForm1::CreateControls() {
  HWND hwnd = Handle();
  glyphs_[kStartOn] = LoadGlyph(L"GLYPH_START");
  glyphs_[kStartOff] = LoadGlyph(L"GLYPH_START_OFF");
  glyphs_[kStopOn] = LoadGlyph(L"GLYPH_STOP");
  glyphs_[kStopOff] = LoadGlyph(L"GLYPH_STOP_OFF");

  // Created in tab order.
  ComboBox2 = CreateControl(hwnd, {.class_name = L"COMBOBOX",
                                   .x = 72,
                                   .y = 20,
                                   .width = 79,
                                   .height = 200,
                                   .id = kIdComboBox2,
                                   .style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN});
  for (int port = 1; port <= 10; ++port) {
    const std::wstring name = L"COM" + std::to_wstring(port);
    SendMessageW(ComboBox2, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
  }
  Button1 = CreateControl(hwnd, {.class_name = L"BUTTON",
                                 .x = 38,
                                 .y = 55,
                                 .width = 23,
                                 .height = 22,
                                 .id = kIdButton1,
                                 .style = WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP});
  Button2 = CreateControl(hwnd, {.class_name = L"BUTTON",
                                 .x = 38,
                                 .y = 88,
                                 .width = 23,
                                 .height = 22,
                                 .id = kIdButton2,
                                 .style = WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP});
  CheckBox1 = CreateControl(hwnd, {.class_name = L"BUTTON",
                                   .text = L"启用自动监控",
                                   .x = 40,
                                   .y = 123,
                                   .width = 97,
                                   .height = 17,
                                   .id = kIdCheckBox1,
                                   .style = WS_TABSTOP | BS_AUTOCHECKBOX});
  SendMessageW(CheckBox1, BM_SETCHECK, BST_CHECKED, 0);
  CreateLabel(hwnd, kIdLabel3, L"端口", 38, 25);
  CreateLabel(hwnd, kIdLabel2, L"开始服务", 71, 59);
  CreateLabel(hwnd, kIdLabel1, L"结束服务", 71, 93);
  StatusBar1 = CreateControl(
      hwnd,
      {.class_name = STATUSCLASSNAMEW, .id = kIdStatusBar1, .style = SBARS_SIZEGRIP | CCS_BOTTOM});
  int right_edge = -1;
  SendMessageW(StatusBar1, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right_edge));

  PopupMenu1 = CreatePopupMenu();
  AppendMenuW(PopupMenu1, MF_STRING, kIdN1, L"恢复窗口[&R]");
  AppendMenuW(PopupMenu1, MF_STRING, kIdN5, L"编辑热键[&H]");
  AppendMenuW(PopupMenu1, MF_STRING | MF_GRAYED, kIdN6, L"设置[&S]...");
  AppendMenuW(PopupMenu1, MF_STRING, kIdN2, L"关于[&A]...");
  AppendMenuW(PopupMenu1, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(PopupMenu1, MF_STRING, kIdN3, L"退出");
}

void TForm1::FormCreate() {
  screen_ = std::make_unique<ScreenDefinition>();
  // The capture pictures exist before the first capture tick can come, and one can come
  // as soon as a message box of the start-up runs its own loop.
  capture_ = std::make_unique<ScreenCapture>(*screen_, DirectoryPart(ProgramPath()),
                                             capture_system_, announcer_);
  SysHotKey1 = std::make_unique<SystemHotkeys>();
  SysHotKey1->OnPressed = [this](SystemHotkeys&, std::int32_t index) {
    ProgramLog().Write("hotkey", "pressed " + HotkeyNamed(index, hotkeys_));
    hotkey_actions_->HotKeyPressed(index);
  };
  SysHotKey1->OnError = [this](const std::exception& error) { ReportError(error.what()); };
  // Kept for the log line after the install: the editor's trial registrations come here too.
  SysHotKey1->OnRegistered = [this](int index, bool, unsigned long error) {
    registration_errors_[index] = error;
  };
  hotkey_actions_ = std::make_unique<HotkeyActions>(hotkeys_, *SysHotKey1, hotkey_store_, *this);
  // The session may end while a box of a step below is open: the rest of the start-up is
  // left out then, and the end of the message loop finishes the program.
  hotkey_actions_->LoadHotkeys();
  LogHotkeyFile(true, hotkey_store_, hotkeys_.size());
  if (Ended()) {
    return;
  }
  hotkey_actions_->InstallHotkeys();
  if (Ended()) {
    return;
  }
  // Defaults, kept for whatever the machine-wide settings do not give.
  SendMessageW(ComboBox2, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SetCheckBox1(true);
  EnableWindow(ComboBox2, FALSE);
  ReadSettings();
  if (Ended()) {
    return;
  }

  // A failed load is reported with its reason before the exit question: whoever wrote the
  // file learns what to mend.
  const std::string sdf_path = ScreenDefinitionPath(ProgramPath());
  const WinProfileReader file(sdf_path);
  std::string failure;
  if (!LoadWindowDefinition(*screen_, file, &failure)) {
    ProgramLog().Write("sdf", "failed: " + failure);
    ReportError(sdf_path + "\r\n" + failure);
    RequestClose();
    if (Ended()) {
      return;
    }
  }
  if (!LoadTimerDefinition(*screen_, copy_timer_, file, &failure)) {
    ProgramLog().Write("sdf", "failed: " + failure);
    ReportError(sdf_path + "\r\n" + failure);
    RequestClose();
    if (Ended()) {
      return;
    }
  } else {
    LogScreenDefinitionLoaded(
        sdf_path,
        ScreenDefinitionLoaded(sdf_path, *screen_, copy_timer_.Enabled(), copy_timer_.Interval()));
  }
  service_.CheckBox1Click(SendMessageW(CheckBox1, BM_GETCHECK, 0, 0) == BST_CHECKED);
  // A polling tick inside a start-up box may have started the service already.
  SetStatus(StatusText(service_.State().Status));
  ExitConfirmed = false;
}

void TForm1::ReadSettings() {
  std::optional<RegistryKey> key = OpenMachineSettings();
  if (!key) {
    return;
  }
  // A value that is missing or of another type is reported; the values after it keep their
  // defaults and start-up goes on.
  try {
    const std::int32_t port = key->ReadInt32("Comport");
    SendMessageW(ComboBox2, CB_SETCURSEL, port >= 0 && port <= 9 ? port : -1, 0);
    SetCheckBox1(key->ReadInt32("AutoStart") != 0);
    EnableWindow(ComboBox2, key->ReadInt32("UseComport") != 0 ? TRUE : FALSE);
  } catch (const LumoError& error) {
    ReportError(error.what());
  }
}

void TForm1::SetCheckBox1(bool checked) {
  const bool was = SendMessageW(CheckBox1, BM_GETCHECK, 0, 0) == BST_CHECKED;
  SendMessageW(CheckBox1, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (was != checked) {
    service_.CheckBox1Click(checked);
  }
}

bool TForm1::AskExitQuestion() {
  asking_exit_ = true;
  const int answer =
      MessageBoxExW(Handle(), L"是否要退出Lumo?", L"Lumo", MB_YESNO | MB_ICONQUESTION, 0);
  asking_exit_ = false;
  return answer == IDYES;
}

bool TForm1::FormCloseQuery() {
  if (ExitConfirmed) {
    return true;
  }
  const bool yes = AskExitQuestion();
  // The session may have ended while the question was open: the end of the loop closes.
  if (Ended()) {
    return false;
  }
  if (yes) {
    return true;
  }
  ShowWindow(Handle(), SW_HIDE);
  HideToTray();
  return false;
}

void TForm1::RequestClose() {
  SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TForm1::OnClose() {
  // A close requested while the exit question is open is dropped: only the answer closes.
  if (Ended() || asking_exit_ || !FormCloseQuery()) {
    return;
  }
  closed_ = true;
  FormClose();
  Destroy();
}

void TForm1::WMEndSession() {
  if (session_ending_) {
    return;
  }
  // Windows may end the process as soon as this returns, so the settings and the hotkey
  // file are written now, without the question and without any box: nobody is left to
  // answer one. A hotkey file that cannot be written stays as it was. Nothing is released
  // here: this comes in the middle of whatever sent messages get through to, a command
  // run waiting for the register or a start-up box, and they go on with what they use.
  session_ending_ = true;
  StopShowingBoxes();
  // A close already under way (its box open) saves by itself.
  if (!closed_) {
    KillTimer(Handle(), kTimer2);  // it would put the icon back
    try {
      WriteSettings();
      if (hotkey_actions_) {
        hotkey_actions_->SaveHotkeys();
        LogHotkeyFile(false, hotkey_store_, hotkeys_.size());
      }
    } catch (const std::exception&) {
    }
    ProgramLog().Flush();
    RemoveTrayIcon(Handle(), kWmTrayNotify);
    in_tray_ = false;
  }
  // Ends every loop of the thread, open boxes' first; once the outer one has ended,
  // EndAfterLoop releases the rest. An installer that closes the program
  // (ENDSESSION_CLOSEAPP) waits for just that.
  PostQuitMessage(0);
}

void TForm1::EndAfterLoop() {
  if (closed_) {
    return;
  }
  closed_ = true;
  if (service_.State().Running()) {
    service_cause_ = "at exit";
    service_.Button2Click();
  }
  ReleaseScreen();
  if (hotkey_actions_) {
    hotkey_actions_->RemoveHotkeys();
  }
  Destroy();
}

void TForm1::FormClose() {
  if (service_.State().Running()) {
    service_cause_ = "at exit";
    service_.Button2Click();
  }
  WriteSettings();
  ReleaseScreen();
  if (hotkey_actions_) {
    hotkey_actions_->SaveHotkeys();
    LogHotkeyFile(false, hotkey_store_, hotkeys_.size());
    hotkey_actions_->RemoveHotkeys();
  }
  RemoveTrayIcon(Handle(), kWmTrayNotify);
  in_tray_ = false;
}

void TForm1::ReleaseScreen() {
  KillTimer(Handle(), kCopyTimer);
  capture_.reset();
  screen_.reset();
}

void TForm1::WriteSettings() {
  std::optional<RegistryKey> key = OpenUserSettings();
  if (!key) {
    return;
  }
  const auto port = static_cast<std::int32_t>(SendMessageW(ComboBox2, CB_GETCURSEL, 0, 0));
  key->WriteInt32("Comport", port);
  key->WriteInt32("AutoStart", SendMessageW(CheckBox1, BM_GETCHECK, 0, 0) == BST_CHECKED);
}

void TForm1::OnDestroy() {
  KillTimer(Handle(), kTimer1);
  KillTimer(Handle(), kTimer2);
  KillTimer(Handle(), kCopyTimer);
  PostQuitMessage(0);
}

void TForm1::Timer2Timer() {
  KillTimer(Handle(), kTimer2);
  ShowWindow(Handle(), SW_HIDE);
  HideToTray();
}

void TForm1::HideToTray() {
  // Hidden before the icon is added: adding lets sent messages in, and a restore that
  // arrives then must not be undone by a hide after it.
  ShowWindow(Handle(), SW_HIDE);
  in_tray_ = true;
  tray_tip_ = "Lumo-" + WideToAnsi(status_);
  AddTrayIcon(Handle(), kWmTrayNotify, icon_, tray_tip_);
}

void TForm1::N1Click() {
  RemoveTrayIcon(Handle(), kWmTrayNotify);
  in_tray_ = false;
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void TForm1::N2Click() {
  AboutBox about(Handle());
  about.SetTitle(L"Lumo抓屏服务器");
  about.ShowModal();
}

void TForm1::N3Click() {
  if (asking_exit_ || Ended()) {
    return;
  }
  ExitConfirmed = AskExitQuestion();
  if (!Ended()) {
    RequestClose();
  }
}

void TForm1::WMTrayNotify(LPARAM mouse_message) {
  if (mouse_message == WM_LBUTTONDBLCLK) {
    N1Click();
  } else if (mouse_message == WM_RBUTTONDOWN) {
    POINT at;
    if (GetCursorPos(&at)) {
      // In front first, or the menu stays open when the user clicks elsewhere.
      SetForegroundWindow(Handle());
      TrackPopupMenu(PopupMenu1, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
      PostMessageW(Handle(), WM_NULL, 0, 0);
    }
  }
}

void TForm1::SetStatus(const std::wstring& text) {
  status_ = text;
  SendMessageW(StatusBar1, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void TForm1::ApplyState(const ServiceState& state) {
  EnableWindow(Button1, state.Button1Enabled ? TRUE : FALSE);
  EnableWindow(Button2, state.Button2Enabled ? TRUE : FALSE);
  SendMessageW(Button1, BM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(glyphs_[state.Button1Enabled ? kStartOn : kStartOff]));
  SendMessageW(Button2, BM_SETIMAGE, IMAGE_BITMAP,
               reinterpret_cast<LPARAM>(glyphs_[state.Button2Enabled ? kStopOn : kStopOff]));
  const UINT interval = state.Polling() ? state.Timer1Interval : 0;
  if (interval != timer1_interval_) {
    if (interval != 0) {
      SetTimer(Handle(), kTimer1, interval, nullptr);
    } else {
      KillTimer(Handle(), kTimer1);
    }
    timer1_interval_ = interval;
  }
  if (state.Status != ServiceStatus::NotStarted) {
    SetStatus(StatusText(state.Status));
  }
}

LRESULT TForm1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
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
      WMTrayNotify(lparam);
      return 0;
    case kWmRestoreApp:
      N1Click();
      return 0;
    case WM_SIZE:
      SendMessageW(StatusBar1, WM_SIZE, 0, 0);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      LogEndSession(wparam != 0, lparam);
      if (wparam) {
        WMEndSession();
      }
      return 0;
    default:
      return Wnd::HandleMessage(message, wparam, lparam);
  }
}

bool TForm1::OnCommand(int id, int code, HWND) {
  switch (id) {
    case kIdButton1:
      if (code == BN_CLICKED) {
        service_cause_ = "by hand";
        service_.Button1Click(AttemptBy::Person);
      }
      return true;
    case kIdButton2:
      if (code == BN_CLICKED) {
        service_cause_ = "by hand";
        service_.Button2Click();
      }
      return true;
    case kIdCheckBox1:
      if (code == BN_CLICKED) {
        service_.CheckBox1Click(SendMessageW(CheckBox1, BM_GETCHECK, 0, 0) == BST_CHECKED);
      }
      return true;
    case kIdN1:
      N1Click();
      return true;
    case kIdN5:
      N5Click();
      return true;
    case kIdN6:
      N6Click();
      return true;
    case kIdN2:
      N2Click();
      return true;
    case kIdN3:
      N3Click();
      return true;
    default:
      return false;
  }
}

void TForm1::OnTimer(UINT_PTR id) {
  if (id == kTimer1) {
    service_cause_ = "automatically";
    service_.Timer1Timer();
  } else if (id == kTimer2) {
    Timer2Timer();
  } else if (id == kCopyTimer && capture_) {
    capture_->CopyTimerTimer(MonitoredWindow());
    capture_summary_.AfterTick(GetTickCount64(), MonitoredWindow(), capture_->Counts());
  } else if (id == kLogTimer) {
    ProgramLog().Flush();
  }
}

void TForm1::CopyTimerSwitch::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Apply();
}

void TForm1::CopyTimerSwitch::SetInterval(std::uint32_t milliseconds) {
  interval_ = milliseconds;
  Apply();
}

void TForm1::CopyTimerSwitch::Apply() {
  if (enabled_ && interval_ != 0) {
    if (SetTimer(form_.Handle(), kCopyTimer, interval_, nullptr) == 0) {
      throw std::runtime_error("Not enough timers available");
    }
  } else {
    KillTimer(form_.Handle(), kCopyTimer);
  }
}

WindowHandle TForm1::ForegroundWindow() {
  return reinterpret_cast<WindowHandle>(GetForegroundWindow());
}

std::string TForm1::WindowTitle(WindowHandle window, std::size_t buffer_size) {
  return window_texts_.Text(window, buffer_size);
}

std::string TForm1::WindowCaption() {
  return screen_ ? screen_->WindowCaption : std::string();
}

bool TForm1::InstallMonitorHook(WindowHandle window) {
  HWND target = reinterpret_cast<HWND>(window);
  const DWORD thread = GetWindowThreadProcessId(target, nullptr);
  const bool installed = (InstallAllHook(thread, Handle(), target) & 0xFF) != 0;
  LogRegisterFound(target, window_texts_.Text(window, kTitleBufferSize), installed);
  return installed;
}

void TForm1::UnInstallHook() {
  ::UnInstallHook();
}

void TForm1::ShowInformation(const std::string& text) {
  ShowInformationBox(text);
}

CommandContext TForm1::Context() {
  return CommandContext{MonitoredWindow(), logged_texts_, logged_announcer_, sleeper_};
}

void TForm1::RunShowActions() {
  ProgramLog().Write("command", "show commands");
  RunActionList(Context(), screen_ ? screen_->OnShowActions.get() : nullptr);
}

void TForm1::RunCloseActions() {
  ProgramLog().Write("command", "close commands");
  RunActionList(Context(), screen_ ? screen_->OnCloseActions.get() : nullptr);
}

bool TForm1::EditHotkeysEnabled() const {
  return (GetMenuState(PopupMenu1, kIdN5, MF_BYCOMMAND) & MF_GRAYED) == 0;
}

void TForm1::N5Click() {
  // A new editor each time, owned by this window; nothing is read back from it.
  HotkeyEditor editor(Handle(), hotkeys_, *SysHotKey1, *hotkey_actions_);
  editor.ShowModal();
}

bool TForm1::SettingsEnabled() const {
  return (GetMenuState(PopupMenu1, kIdN6, MF_BYCOMMAND) & MF_GRAYED) == 0;
}

// The settings item is there, disabled, for a settings window the program does not have.
void TForm1::N6Click() {}

void TForm1::RunHotkeyCommand(const std::string& parameter) {
  ProgramLog().Write("command", "hotkey command \"" + parameter + "\"");
  lumo::RunHotkeyCommand(Context(), parameter);
}

void TForm1::ReportError(const std::string& text) {
  ShowErrorBox(text);
}

void TForm1::HotkeyInstalled(std::int32_t index, bool registered) {
  LogHotkeyRegistration(HotkeyNamed(index, hotkeys_), registered, registration_errors_[index]);
}

void TForm1::StateChanged(const ServiceState& state) {
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

void TForm1::CaptionMissing(const std::string& title) {
  // Polling asks twice a second: only a new title in front is worth a line.
  if (title != last_missing_title_) {
    last_missing_title_ = title;
    ProgramLog().Write("register", "not found: the window in front, \"" + title +
                                       "\", does not contain \"" + WindowCaption() + "\"");
  }
}

}  // namespace lumo
