#include "editors/hotkey_text.h"

#include <algorithm>

namespace lumo {

namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

bool Contains(std::string_view text, std::string_view word) {
  return text.find(word) != std::string_view::npos;
}

}  // namespace

std::string AppendHotkeyPart(std::string text, std::string_view word) {
  if (!text.empty()) {
    text += '+';
  }
  text += word;
  return text;
}

std::string HotkeyText(bool ctrl, bool alt, bool shift, bool win, std::string_view key_name) {
  std::string text;
  if (ctrl)
    text = AppendHotkeyPart(std::move(text), "Ctrl");
  if (alt)
    text = AppendHotkeyPart(std::move(text), "Alt");
  if (shift)
    text = AppendHotkeyPart(std::move(text), "Shift");
  if (win)
    text = AppendHotkeyPart(std::move(text), "Win");
  return AppendHotkeyPart(std::move(text), key_name);
}

std::string HotkeyTextOf(const HotkeyDefinition& definition) {
  const bool named = definition.Key >= 0 && definition.Key < kKeyNameCount;
  return HotkeyText(definition.Ctrl, definition.Alt, definition.Shift, definition.Win,
                    named ? KeyNames[static_cast<std::size_t>(definition.Key)] : "");
}

std::string_view HotkeyKeyName(std::string_view text) {
  for (std::string_view prefix : {"Ctrl+", "Alt+", "Shift+", "Win+"}) {
    if (text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
    }
  }
  return text;
}

std::int32_t KeyNameIndex(std::string_view key_name) {
  for (std::size_t i = 0; i < KeyNames.size(); ++i) {
    if (SameIgnoringCase(KeyNames[i], key_name)) {
      return static_cast<std::int32_t>(i);
    }
  }
  return -1;
}

ModifierSet HotkeyTextToModifiers(std::string_view text) {
  ModifierSet modifiers = 0;
  if (Contains(text, "Ctrl"))
    modifiers |= kModifierCtrl;
  if (Contains(text, "Alt"))
    modifiers |= kModifierAlt;
  if (Contains(text, "Shift"))
    modifiers |= kModifierShift;
  if (Contains(text, "Win"))
    modifiers |= kModifierWin;
  return modifiers;
}

std::uint8_t HotkeyTextToKey(std::string_view text) {
  return VirtualKeyOfIndex(KeyNameIndex(HotkeyKeyName(text)));
}

}  // namespace lumo
