#pragma once
// The hotkey actions of the main window: the definitions put into the system hotkey
// component, and a pressed hotkey's action run.
#include <cstdint>
#include <string>

#include "hotkeys/hotkey_codes.h"
#include "hotkeys/hotkey_store.h"
#include "hotkeys/hotkey_definitions.h"

namespace lumo {

// What the hotkey actions need of the main window.
class HotkeyHost {
 public:
  virtual ~HotkeyHost() = default;
  // The tray menu's "恢复窗口[&R]": the icon removed, the window shown in front.
  virtual void RestoreFromTray() = 0;
  // Whether the tray menu item "编辑热键[&H]" is enabled right now.
  virtual bool EditHotkeysEnabled() const = 0;
  // The tray menu's "编辑热键[&H]": the hotkey editor, modal; returns when it closes.
  virtual void OnEditHotkeys() = 0;
  // Whether the tray menu item "设置[&S]..." is enabled right now.
  virtual bool SettingsEnabled() const = 0;
  // The tray menu's "设置[&S]...".
  virtual void OnSettings() = 0;
  // Runs an announcer command text (command lines joined by "^").
  virtual void RunHotkeyCommand(const std::string& parameter) = 0;
  // The application's general error report: an error box with the text.
  virtual void ReportError(const std::string& text) = 0;
  // After an install, each definition by its identifier: whether Windows took it.
  virtual void HotkeyInstalled(std::int32_t index, bool registered) {
    static_cast<void>(index);
    static_cast<void>(registered);
  }
};

class HotkeyActions {
 public:
  HotkeyActions(HotkeyList& list, HotkeyComponent& component, HotkeyStore& store, HotkeyHost& host);

  // Start-up: the hotkey file into the list. A file that cannot be read is reported and
  // start-up goes on with what was read completely.
  void LoadHotkeys();
  // Close: the list into the hotkey file. A failure is reported, and so is where the copy
  // of a file that could not be read at start-up was kept; the shut-down goes on.
  void SaveHotkeys();

  // Every definition into the (empty) component in list order, so that a definition's
  // index is its hotkey identifier; then the component is activated. Active flags and
  // refused combinations do not matter here.
  void InstallHotkeys();
  // Deactivates the component (every hotkey unregistered) and empties it.
  void RemoveHotkeys();

  // The component's OnPressed. An error of the action is reported and ends the key press.
  void OnHotkeyPressed(std::int32_t index);
  void ExecuteHotkey(std::int32_t index);

 private:
  HotkeyList& list_;
  HotkeyComponent& component_;
  HotkeyStore& store_;
  HotkeyHost& host_;
};

}  // namespace lumo
