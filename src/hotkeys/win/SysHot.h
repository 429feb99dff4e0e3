#pragma once
// System-wide hotkeys, registered with Windows on the component's hidden window.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "hotkeys/hotkey_codes.h"
#include "hotkeys/win/WComp.h"

namespace lumo {

class TSysHotKey;

// Raised with the identifier (the entry's index) of the pressed hotkey.
using THotKeyEvent = std::function<void(TSysHotKey& sender, std::int32_t index)>;

class TSysHotKey : public TWindowedComponent, public HotkeyComponent {
 public:
  TSysHotKey() = default;
  ~TSysHotKey() override;

  THotKeyEntry AddHotKey(std::uint8_t key, THotKeyModifiers modifiers) override;
  void Delete(int index) override;
  void Clear() override;
  int Count() const override { return static_cast<int>(FList.size()); }
  THotKeyEntry Entry(int index) const override;
  bool Active() const override { return FActive; }
  void SetActive(bool active) override;
  // After restoring from a stored description: registers everything when active.
  void Loaded();

  THotKeyEvent OnHotKey;
  // After each registration: the entry's index, whether Windows took it, and its error
  // code when not.
  std::function<void(int index, bool registered, unsigned long error)> OnRegistered;

 protected:
  void WndProc(TMessage& message) override;

 private:
  void WMHotKey(TMessage& message);
  void WMDestroy(TMessage& message);
  void RegisterEntry(int index);
  void UnregisterEntry(int index);
  void RegisterAll();
  void UnregisterAll();

  bool FActive = false;
  std::vector<std::unique_ptr<THotKeyEntry>> FList;
};

}  // namespace lumo
