// What the hotkeys reach of the main window: the menu items, the announcer and the boxes.
#include "app/main_window.h"

#include "app/main_window_ids.h"
#include "announcer/command_execution.h"
#include "editors/win/hotkey_editor.h"
#include "platform/message_boxes.h"
#include "platform/program_log.h"
#include "supportlog/event_texts.h"
#include "app/support_log_events.h"

namespace lumo {

bool MainWindow::EditHotkeysEnabled() const {
  return (GetMenuState(tray_menu_, kIdEditHotkeysItem, MF_BYCOMMAND) & MF_GRAYED) == 0;
}

void MainWindow::OnEditHotkeys() {
  // A new editor each time, owned by this window; nothing is read back from it.
  HotkeyEditor editor(Handle(), hotkeys_, *system_hotkeys_, *hotkey_actions_);
  editor.ShowModal();
}

bool MainWindow::SettingsEnabled() const {
  return (GetMenuState(tray_menu_, kIdSettingsItem, MF_BYCOMMAND) & MF_GRAYED) == 0;
}

// The settings item is there, disabled, for a settings window the program does not have.
void MainWindow::OnSettings() {}

void MainWindow::RunHotkeyCommand(const std::string& parameter) {
  ProgramLog().Write("command", "hotkey command \"" + parameter + "\"");
  lumo::RunHotkeyCommand(Context(), parameter);
}

void MainWindow::ReportError(const std::string& text) {
  ShowErrorBox(text);
}

void MainWindow::HotkeyInstalled(std::int32_t index, bool registered) {
  LogHotkeyRegistration(HotkeyNamed(index, hotkeys_), registered, registration_errors_[index]);
}

}  // namespace lumo
