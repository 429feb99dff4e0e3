#pragma once
// Hotkey definitions: the record, its constant tables and the conversions to the codes of
// the system hotkey component.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "hotkeys/hotkey_codes.h"

namespace lumo {

struct HotkeyDefinition {
  std::int32_t Key = -1;  // index into KeyNames; -1 = no key chosen
  bool Ctrl = false;
  bool Alt = false;
  bool Shift = false;
  bool Win = false;
  std::string Description;  // ANSI bytes
  std::int32_t Action = 0;  // index into ActionNames
  std::string Parameter;    // ANSI bytes; the announcer command of action 0
  bool Active = false;

  bool operator==(const HotkeyDefinition&) const = default;
};

// The process-wide ordered list; an entry's index is its hotkey identifier. Records are
// shared so that an editor row keeps its record readable after the list is rebuilt.
using HotkeyList = std::vector<std::shared_ptr<HotkeyDefinition>>;

inline constexpr int kKeyNameCount = 95;

// Key names, indexed by HotkeyDefinition::Key (ASCII).
extern const std::array<std::string_view, kKeyNameCount> KeyNames;

// Action names, indexed by HotkeyDefinition::Action; texts of the program's own user interface.
extern const std::array<std::wstring_view, 4> ActionNames;

// The editor's text for HotkeyDefinition::Active: "否" at 0, "是" at 1.
extern const std::array<std::wstring_view, 2> YesNoNames;

// The hotkey actions, by HotkeyDefinition::Action.
inline constexpr std::int32_t kActionRunCommand = 0;
inline constexpr std::int32_t kActionEditHotkeys = 1;
inline constexpr std::int32_t kActionConsole = 2;
inline constexpr std::int32_t kActionSettings = 3;

// The component key index (into VirtualKeyTable) of a KeyNames index; 0 (no key) for any
// index outside 0 to 94, -1 included.
std::uint8_t VirtualKeyOfIndex(std::int32_t key_index);

// The component's modifier set of a definition.
ModifierSet HotkeyModifiers(const HotkeyDefinition& definition);

// The hotkey file: the program's full path with its extension replaced by ".hkd" (added
// when the file name has none).
std::string HotkeyFilePath(std::string_view exe_path);

// The hotkey file's extension: the stored Lumo.hkd beside the program is found by it.
inline constexpr char kHotkeyFileExtension[] = ".hkd";

}  // namespace lumo
