#pragma once
// System-wide hotkeys, registered with Windows on a message-only window.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "hotkeys/hotkey_codes.h"
#include "hotkeys/win/message_window.h"

namespace lumo {

class SystemHotkeys;

// Raised with the identifier (the entry's index) of the pressed hotkey.
using HotkeyPressedHandler = std::function<void(SystemHotkeys& sender, std::int32_t index)>;

class SystemHotkeys : public MessageWindow, public HotkeyComponent {
 public:
  SystemHotkeys() = default;
  ~SystemHotkeys() override;

  HotkeyEntry AddHotkey(std::uint8_t key, ModifierSet modifiers) override;
  void Delete(int index) override;
  void Clear() override;
  int Count() const override { return static_cast<int>(entries_.size()); }
  HotkeyEntry Entry(int index) const override;
  bool Active() const override { return active_; }
  void SetActive(bool active) override;
  // After restoring from a stored description: registers everything when active.
  void RegisterIfActive();

  HotkeyPressedHandler OnPressed;
  // After each registration attempt: the entry's index, whether Windows took it, and its
  // error code when not.
  std::function<void(int index, bool registered, unsigned long error)> OnRegistered;

 protected:
  void HandleMessage(WindowMessage& message) override;

 private:
  void HandleHotkeyMessage(WindowMessage& message);
  void HandleDestroy(WindowMessage& message);
  void RegisterEntry(int index);
  void UnregisterEntry(int index);
  void RegisterAll();
  void UnregisterAll();

  bool active_ = false;
  std::vector<std::unique_ptr<HotkeyEntry>> entries_;
};

}  // namespace lumo
