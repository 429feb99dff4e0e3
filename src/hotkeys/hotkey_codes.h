#pragma once
// Key and modifier codes of the system hotkey component, kept free of <windows.h> so that
// the tables are checked natively.
#include <array>
#include <cstdint>

namespace lumo {

// A one-byte set of modifier keys.
using ModifierSet = std::uint8_t;
inline constexpr ModifierSet kModifierShift = 1;
inline constexpr ModifierSet kModifierCtrl = 2;
inline constexpr ModifierSet kModifierAlt = 4;
inline constexpr ModifierSet kModifierWin = 8;

// One entry of the system hotkey component.
struct HotkeyEntry {
  ModifierSet Modifiers = 0;
  std::uint8_t Key = 0;     // index into VirtualKeyTable
  bool Registered = false;  // Windows holds the registration for this entry
};

// What the hotkey actions and the editors need of the system hotkey component. An
// entry's hotkey identifier is its index; removing an entry renumbers the ones after it.
class HotkeyComponent {
 public:
  virtual ~HotkeyComponent() = default;
  // Appends an entry and, while active, registers it at once. The copy returned tells
  // whether Windows accepted the combination; the entry stays either way.
  virtual HotkeyEntry AddHotkey(std::uint8_t key, ModifierSet modifiers) = 0;
  virtual void Delete(int index) = 0;
  // Removes every entry; Active keeps its value.
  virtual void Clear() = 0;
  virtual int Count() const = 0;
  virtual HotkeyEntry Entry(int index) const = 0;
  virtual bool Active() const = 0;
  // True registers every entry, false unregisters every entry.
  virtual void SetActive(bool active) = 0;
};

// Windows virtual-key codes by component key index; index 0 is "no key".
extern const std::array<std::uint8_t, 102> VirtualKeyTable;

// The virtual-key code of a component key index; 0 for an index outside the table.
std::uint32_t VirtualKeyOf(std::uint8_t key);

// The MOD_ flags RegisterHotKey expects: Alt 1, Ctrl 2, Shift 4, Win 8.
std::uint32_t ModifierFlags(ModifierSet modifiers);

}  // namespace lumo
