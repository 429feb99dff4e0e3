#include "hotkeys/win/system_hotkeys.h"

#include <stdexcept>

namespace lumo {

SystemHotkeys::~SystemHotkeys() {
  Clear();
}

HotkeyEntry SystemHotkeys::AddHotkey(std::uint8_t key, ModifierSet modifiers) {
  auto entry = std::make_unique<HotkeyEntry>();
  entry->Key = key;
  entry->Modifiers = modifiers;
  entries_.push_back(std::move(entry));
  const int index = Count() - 1;
  if (active_) {
    RegisterEntry(index);
  }
  return *entries_[index];
}

void SystemHotkeys::Delete(int index) {
  if (index < 0 || index >= Count()) {
    throw std::out_of_range("hotkey index " + std::to_string(index) + " out of bounds");
  }
  // Identifiers are indices: everything after the gap moves down by one.
  if (active_) {
    UnregisterAll();
  }
  entries_.erase(entries_.begin() + index);
  if (active_) {
    RegisterAll();
  }
}

void SystemHotkeys::Clear() {
  if (active_) {
    UnregisterAll();
  }
  entries_.clear();
}

HotkeyEntry SystemHotkeys::Entry(int index) const {
  return *entries_.at(static_cast<std::size_t>(index));
}

void SystemHotkeys::SetActive(bool active) {
  if (active == active_) {
    return;
  }
  active_ = active;
  if (active) {
    RegisterAll();
  } else {
    UnregisterAll();
  }
}

void SystemHotkeys::RegisterIfActive() {
  if (active_) {
    RegisterAll();
  }
}

void SystemHotkeys::RegisterEntry(int index) {
  HotkeyEntry& entry = *entries_[index];
  entry.Registered = RegisterHotKey(Handle(), index, ModifierFlags(entry.Modifiers),
                                    VirtualKeyOf(entry.Key)) != FALSE;
  if (OnRegistered) {
    OnRegistered(index, entry.Registered, entry.Registered ? 0 : GetLastError());
  }
}

void SystemHotkeys::UnregisterEntry(int index) {
  HotkeyEntry& entry = *entries_[index];
  if (entry.Registered) {
    UnregisterHotKey(Handle(), index);
    entry.Registered = false;
  }
}

void SystemHotkeys::RegisterAll() {
  for (int i = 0; i < Count(); ++i) {
    RegisterEntry(i);
  }
}

void SystemHotkeys::UnregisterAll() {
  for (int i = 0; i < Count(); ++i) {
    UnregisterEntry(i);
  }
}

void SystemHotkeys::HandleMessage(WindowMessage& message) {
  switch (message.Msg) {
    case WM_HOTKEY:
      HandleHotkeyMessage(message);
      break;
    case WM_DESTROY:
      HandleDestroy(message);
      break;
    default:
      MessageWindow::HandleMessage(message);
  }
}

void SystemHotkeys::HandleHotkeyMessage(WindowMessage& message) {
  if (OnPressed) {
    OnPressed(*this, static_cast<std::int32_t>(message.WParam & 0xFFFF));
  }
}

void SystemHotkeys::HandleDestroy(WindowMessage& message) {
  SetActive(false);
  PassToDefault(message);
}

}  // namespace lumo
