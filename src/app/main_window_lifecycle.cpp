// Start-up, the exit question, closing, and the end of a session.
#include "app/main_window.h"

#include "app/main_window_ids.h"
#include "app/main_window_timers.h"
#include "app/support_log_events.h"
#include "common/program_path.h"
#include "platform/message_boxes.h"
#include "platform/program_file.h"
#include "platform/program_log.h"
#include "platform/tray_icon.h"
#include "platform/win_profile_reader.h"
#include "screendef/screen_definition_file.h"
#include "screendef/timer_definition.h"
#include "screendef/window_definition.h"
#include "supportlog/event_texts.h"

namespace lumo {

void MainWindow::StartUp() {
  screen_ = std::make_unique<ScreenDefinition>();
  // The capture pictures exist before the first capture tick can come, and one can come
  // as soon as a message box of the start-up runs its own loop.
  capture_ = std::make_unique<ScreenCapture>(*screen_, DirectoryPart(ProgramFilePath()),
                                             capture_system_, announcer_);
  system_hotkeys_ = std::make_unique<SystemHotkeys>();
  system_hotkeys_->OnPressed = [this](SystemHotkeys&, std::int32_t index) {
    ProgramLog().Write("hotkey", "pressed " + HotkeyNamed(index, hotkeys_));
    hotkey_actions_->OnHotkeyPressed(index);
  };
  system_hotkeys_->OnError = [this](const std::exception& error) { ReportError(error.what()); };
  // Kept for the log line after the install: the editor's trial registrations come here too.
  system_hotkeys_->OnRegistered = [this](int index, bool, unsigned long error) {
    registration_errors_[index] = error;
  };
  hotkey_actions_ =
      std::make_unique<HotkeyActions>(hotkeys_, *system_hotkeys_, hotkey_store_, *this);
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
  SendMessageW(port_list_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SetAutoMonitoringBox(true);
  EnableWindow(port_list_, FALSE);
  ReadSettings();
  if (Ended()) {
    return;
  }

  // A failed load is reported with its reason before the exit question: whoever wrote the
  // file learns what to mend.
  const std::string sdf_path = ScreenDefinitionPath(ProgramFilePath());
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
  if (!LoadTimerDefinition(*screen_, capture_timer_, file, &failure)) {
    ProgramLog().Write("sdf", "failed: " + failure);
    ReportError(sdf_path + "\r\n" + failure);
    RequestClose();
    if (Ended()) {
      return;
    }
  } else {
    LogScreenDefinitionLoaded(sdf_path,
                              ScreenDefinitionLoaded(sdf_path, *screen_, capture_timer_.Enabled(),
                                                     capture_timer_.Interval()));
  }
  service_.SetAutoMonitoring(SendMessageW(auto_monitoring_box_, BM_GETCHECK, 0, 0) == BST_CHECKED);
  // A polling tick inside a start-up box may have started the service already.
  SetStatus(StatusText(service_.State().Status));
  exit_confirmed_ = false;
}

bool MainWindow::AskExitQuestion() {
  asking_exit_ = true;
  const int answer =
      MessageBoxExW(Handle(), L"是否要退出Lumo?", L"Lumo", MB_YESNO | MB_ICONQUESTION, 0);
  asking_exit_ = false;
  return answer == IDYES;
}

bool MainWindow::MayClose() {
  if (exit_confirmed_) {
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

void MainWindow::RequestClose() {
  SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void MainWindow::OnClose() {
  // A close requested while the exit question is open is dropped: only the answer closes.
  if (Ended() || asking_exit_ || !MayClose()) {
    return;
  }
  closed_ = true;
  ShutDown();
  Destroy();
}

void MainWindow::EndSession() {
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
    KillTimer(Handle(), kTrayAtStartTimer);  // it would put the icon back
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

void MainWindow::EndAfterLoop() {
  if (closed_) {
    return;
  }
  closed_ = true;
  if (service_.State().Running()) {
    service_cause_ = "at exit";
    service_.Stop();
  }
  ReleaseScreen();
  if (hotkey_actions_) {
    hotkey_actions_->RemoveHotkeys();
  }
  Destroy();
}

void MainWindow::ShutDown() {
  if (service_.State().Running()) {
    service_cause_ = "at exit";
    service_.Stop();
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

void MainWindow::ReleaseScreen() {
  KillTimer(Handle(), kCaptureTimer);
  capture_.reset();
  screen_.reset();
}

void MainWindow::OnDestroy() {
  KillTimer(Handle(), kPollingTimer);
  KillTimer(Handle(), kTrayAtStartTimer);
  KillTimer(Handle(), kCaptureTimer);
  PostQuitMessage(0);
}

void MainWindow::OnExitItem() {
  if (asking_exit_ || Ended()) {
    return;
  }
  exit_confirmed_ = AskExitQuestion();
  if (!Ended()) {
    RequestClose();
  }
}

}  // namespace lumo
