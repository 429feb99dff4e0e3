#pragma once
// Key and modifier codes of the system hotkey component, kept free of <windows.h> so that
// the tables are checked natively.
#include <array>
#include <cstdint>

namespace lumo {

// A one-byte set of modifier keys.
using THotKeyModifiers = std::uint8_t;
inline constexpr THotKeyModifiers hmShift = 1;
inline constexpr THotKeyModifiers hmCtrl = 2;
inline constexpr THotKeyModifiers hmAlt = 4;
inline constexpr THotKeyModifiers hmWin = 8;

// Windows virtual-key codes by component key index; index 0 is "no key".
extern const std::array<std::uint8_t, 102> VirtualKeyTable;

// The virtual-key code of a component key index; 0 for an index outside the table.
std::uint32_t VirtualKeyOf(std::uint8_t key);

// The MOD_ flags RegisterHotKey expects: Alt 1, Ctrl 2, Shift 4, Win 8.
std::uint32_t ModifierFlags(THotKeyModifiers modifiers);

}  // namespace lumo
