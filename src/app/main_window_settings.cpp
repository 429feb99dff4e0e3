// The port and automatic-monitoring settings: read from the machine's key, written to the user's.
#include "app/main_window.h"

#include "app/settings_keys.h"
#include "common/errors.h"

namespace lumo {

void MainWindow::ReadSettings() {
  std::optional<RegistryKey> key = OpenMachineSettings();
  if (!key) {
    return;
  }
  // A value that is missing or of another type is reported; the values after it keep their
  // defaults and start-up goes on.
  try {
    const std::int32_t port = key->ReadInt32(kPortValue);
    SendMessageW(port_list_, CB_SETCURSEL, port >= 0 && port <= 9 ? port : -1, 0);
    SetAutoMonitoringBox(key->ReadInt32(kAutoStartValue) != 0);
    EnableWindow(port_list_, key->ReadInt32(kUsePortValue) != 0 ? TRUE : FALSE);
  } catch (const LumoError& error) {
    ReportError(error.what());
  }
}

void MainWindow::WriteSettings() {
  std::optional<RegistryKey> key = OpenUserSettings();
  if (!key) {
    return;
  }
  const auto port = static_cast<std::int32_t>(SendMessageW(port_list_, CB_GETCURSEL, 0, 0));
  key->WriteInt32(kPortValue, port);
  key->WriteInt32(kAutoStartValue,
                  SendMessageW(auto_monitoring_box_, BM_GETCHECK, 0, 0) == BST_CHECKED);
}

void MainWindow::SetAutoMonitoringBox(bool checked) {
  const bool was = SendMessageW(auto_monitoring_box_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  SendMessageW(auto_monitoring_box_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (was != checked) {
    service_.SetAutoMonitoring(checked);
  }
}

}  // namespace lumo
