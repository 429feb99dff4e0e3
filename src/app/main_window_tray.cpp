// The window in the notification area: hiding, restoring, the icon's menu.
#include "app/main_window.h"

#include "app/about_box.h"
#include "app/main_window_ids.h"
#include "app/main_window_timers.h"
#include "platform/ansi_text.h"
#include "platform/tray_icon.h"

namespace lumo {

void MainWindow::HideToTrayAtStart() {
  KillTimer(Handle(), kTrayAtStartTimer);
  ShowWindow(Handle(), SW_HIDE);
  HideToTray();
}

void MainWindow::HideToTray() {
  // Hidden before the icon is added: adding lets sent messages in, and a restore that
  // arrives then must not be undone by a hide after it.
  ShowWindow(Handle(), SW_HIDE);
  in_tray_ = true;
  tray_tip_ = "Lumo-" + WideToAnsi(status_);
  AddTrayIcon(Handle(), kWmTrayNotify, icon_, tray_tip_);
}

void MainWindow::RestoreFromTray() {
  RemoveTrayIcon(Handle(), kWmTrayNotify);
  in_tray_ = false;
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
}

void MainWindow::OnTrayNotify(LPARAM mouse_message) {
  if (mouse_message == WM_LBUTTONDBLCLK) {
    RestoreFromTray();
  } else if (mouse_message == WM_RBUTTONDOWN) {
    POINT at;
    if (GetCursorPos(&at)) {
      // In front first, or the menu stays open when the user clicks elsewhere.
      SetForegroundWindow(Handle());
      TrackPopupMenu(tray_menu_, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Handle(), nullptr);
      PostMessageW(Handle(), WM_NULL, 0, 0);
    }
  }
}

void MainWindow::OnAbout() {
  AboutBox about(Handle());
  about.SetTitle(L"Lumo抓屏服务器");
  about.ShowModal();
}

}  // namespace lumo
