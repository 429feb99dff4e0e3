#include "hotkeys/hotkey_definitions.h"

#include "common/dbcs.h"

namespace lumo {

const std::array<std::string_view, kKeyNameCount> KeyNames = {
    "Backspace",  "Tab",         "Return",  "Pause",     "Capslock",   "Escape",   "Space",
    "PgUp",       "PgDn",        "Home",    "End",       "Left Arrow", "Up Arrow", "Right Arrow",
    "Down Arrow", "PrintScreen", "Insert",  "Delete",    "0",          "1",        "2",
    "3",          "4",           "5",       "6",         "7",          "8",        "9",
    "A",          "B",           "C",       "D",         "E",          "F",        "G",
    "H",          "I",           "J",       "K",         "L",          "M",        "N",
    "O",          "P",           "Q",       "R",         "S",          "T",        "U",
    "V",          "W",           "X",       "Y",         "Z",          "Num 0",    "Num 1",
    "Num 2",      "Num 3",       "Num 4",   "Num 5",     "Num 6",      "Num 7",    "Num 8",
    "Num 9",      "Num *",       "Num +",   "Num -",     "Num .",      "Num /",    "F1",
    "F2",         "F3",          "F4",      "F5",        "F6",         "F7",       "F8",
    "F9",         "F10",         "F11",     "F12",       "F13",        "F14",      "F15",
    "F16",        "F17",         "F18",     "F19",       "F20",        "F21",      "F22",
    "F23",        "F24",         "Numlock", "Scrolllock"};

const std::array<std::wstring_view, 4> ActionNames = {L"执行报价器指令", L"编辑热键", L"控制台",
                                                      L"运行参数设置"};

const std::array<std::wstring_view, 2> YesNoNames = {L"否", L"是"};

std::uint8_t VirtualKeyOfIndex(std::int32_t key_index) {
  // Component key index of each KeyNames entry. The component's table has keys the names
  // lack (cancel, clear, select, ...), and Home/End swap places between the two.
  static constexpr std::uint8_t kFirst18[18] = {2,  3,  5,  6,  7,  8,  9,  10, 11,
                                                13, 12, 14, 15, 16, 17, 20, 21, 22};
  if (key_index < 0 || key_index >= kKeyNameCount) {
    return 0;
  }
  if (key_index < 18) {
    return kFirst18[key_index];
  }
  if (key_index <= 65) {
    return static_cast<std::uint8_t>(key_index + 6);  // digits, letters, keypad up to "Num +"
  }
  // The component's table has the keypad separator, which has no name.
  return static_cast<std::uint8_t>(key_index + 7);
}

ModifierSet HotkeyModifiers(const HotkeyDefinition& definition) {
  ModifierSet result = 0;
  if (definition.Ctrl)
    result |= kModifierCtrl;
  if (definition.Alt)
    result |= kModifierAlt;
  if (definition.Shift)
    result |= kModifierShift;
  if (definition.Win)
    result |= kModifierWin;
  return result;
}

std::string HotkeyFilePath(std::string_view exe_path) {
  // The extension starts at the last dot after the last path separator; separators and
  // dots count only as characters of their own, never as trail bytes.
  std::size_t dot = std::string_view::npos;
  for (std::size_t pos = 0; pos < exe_path.size(); pos += CharLengthAt(exe_path, pos)) {
    if (CharLengthAt(exe_path, pos) != 1) {
      continue;
    }
    const char c = exe_path[pos];
    if (c == '\\' || c == ':') {
      dot = std::string_view::npos;
    } else if (c == '.') {
      dot = pos;
    }
  }
  std::string result(exe_path.substr(0, dot));
  result += kHotkeyFileExtension;
  return result;
}

}  // namespace lumo
