#include "hotkeys/hotkey_codes.h"

namespace lumo {

namespace {

constexpr std::array<std::uint8_t, 102> BuildVirtualKeyTable() {
  std::array<std::uint8_t, 102> table{};
  constexpr std::uint8_t kFirst24[24] = {0x00, 0x03, 0x08, 0x09, 0x0C, 0x0D, 0x13, 0x14,
                                         0x1B, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26,
                                         0x27, 0x28, 0x29, 0x2B, 0x2C, 0x2D, 0x2E, 0x2F};
  for (int i = 0; i < 24; ++i) {
    table[i] = kFirst24[i];
  }
  for (int i = 0; i < 10; ++i) {
    table[24 + i] = static_cast<std::uint8_t>(0x30 + i);  // digits
    table[60 + i] = static_cast<std::uint8_t>(0x60 + i);  // keypad digits
  }
  for (int i = 0; i < 26; ++i) {
    table[34 + i] = static_cast<std::uint8_t>(0x41 + i);  // letters
  }
  for (int i = 0; i < 6; ++i) {
    table[70 + i] = static_cast<std::uint8_t>(0x6A + i);  // keypad operators
  }
  for (int i = 0; i < 24; ++i) {
    table[76 + i] = static_cast<std::uint8_t>(0x70 + i);  // F1-F24
  }
  table[100] = 0x90;
  table[101] = 0x91;
  return table;
}

}  // namespace

const std::array<std::uint8_t, 102> VirtualKeyTable = BuildVirtualKeyTable();

std::uint32_t VirtualKeyOf(std::uint8_t key) {
  return key < VirtualKeyTable.size() ? VirtualKeyTable[key] : 0;
}

std::uint32_t ModifierFlags(ModifierSet modifiers) {
  std::uint32_t flags = 0;
  if (modifiers & kModifierShift)
    flags |= 4;
  if (modifiers & kModifierCtrl)
    flags |= 2;
  if (modifiers & kModifierAlt)
    flags |= 1;
  if (modifiers & kModifierWin)
    flags |= 8;
  return flags;
}

}  // namespace lumo
