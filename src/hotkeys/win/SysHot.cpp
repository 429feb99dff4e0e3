#include "hotkeys/win/SysHot.h"

#include <stdexcept>

namespace lumo {

TSysHotKey::~TSysHotKey() {
  Clear();
}

THotKeyEntry TSysHotKey::AddHotKey(std::uint8_t key, THotKeyModifiers modifiers) {
  auto entry = std::make_unique<THotKeyEntry>();
  entry->Key = key;
  entry->Modifiers = modifiers;
  FList.push_back(std::move(entry));
  const int index = Count() - 1;
  if (FActive) {
    RegisterEntry(index);
  }
  return *FList[index];
}

void TSysHotKey::Delete(int index) {
  if (index < 0 || index >= Count()) {
    throw std::out_of_range("hotkey index " + std::to_string(index) + " out of bounds");
  }
  // Identifiers are indices: everything after the gap moves down by one.
  if (FActive) {
    UnregisterAll();
  }
  FList.erase(FList.begin() + index);
  if (FActive) {
    RegisterAll();
  }
}

void TSysHotKey::Clear() {
  if (FActive) {
    UnregisterAll();
  }
  FList.clear();
}

THotKeyEntry TSysHotKey::Entry(int index) const {
  return *FList.at(static_cast<std::size_t>(index));
}

void TSysHotKey::SetActive(bool active) {
  if (active == FActive) {
    return;
  }
  FActive = active;
  if (active) {
    RegisterAll();
  } else {
    UnregisterAll();
  }
}

void TSysHotKey::Loaded() {
  if (FActive) {
    RegisterAll();
  }
}

void TSysHotKey::RegisterEntry(int index) {
  THotKeyEntry& entry = *FList[index];
  entry.Registered = RegisterHotKey(Handle(), index, ModifierFlags(entry.Modifiers),
                                    VirtualKeyOf(entry.Key)) != FALSE;
  if (OnRegistered) {
    OnRegistered(index, entry.Registered, entry.Registered ? 0 : GetLastError());
  }
}

void TSysHotKey::UnregisterEntry(int index) {
  THotKeyEntry& entry = *FList[index];
  if (entry.Registered) {
    UnregisterHotKey(Handle(), index);
    entry.Registered = false;
  }
}

void TSysHotKey::RegisterAll() {
  for (int i = 0; i < Count(); ++i) {
    RegisterEntry(i);
  }
}

void TSysHotKey::UnregisterAll() {
  for (int i = 0; i < Count(); ++i) {
    UnregisterEntry(i);
  }
}

void TSysHotKey::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HOTKEY:
      WMHotKey(message);
      break;
    case WM_DESTROY:
      WMDestroy(message);
      break;
    default:
      TWindowedComponent::WndProc(message);
  }
}

void TSysHotKey::WMHotKey(TMessage& message) {
  if (OnHotKey) {
    OnHotKey(*this, static_cast<std::int32_t>(message.WParam & 0xFFFF));
  }
}

void TSysHotKey::WMDestroy(TMessage& message) {
  SetActive(false);
  DefaultHandler(message);
}

}  // namespace lumo
