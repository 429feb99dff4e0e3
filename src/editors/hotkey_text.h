#pragma once
// The text form of a key combination, "Ctrl+Shift+F5": modifier words in a fixed order,
// then the key name, joined by "+". The hotkey editor shows it, compares it and reads it
// back into a definition.
#include <cstdint>
#include <string>
#include <string_view>

#include "hotkeys/hotkey_definitions.h"

namespace lumo {

// Appends one part: "+" first unless the text is still empty.
std::string AppendHotkeyPart(std::string text, std::string_view word);

// The text of the chosen modifiers and key name (empty name when no key is chosen, so
// Ctrl alone gives "Ctrl+").
std::string HotkeyText(bool ctrl, bool alt, bool shift, bool win, std::string_view key_name);

// The text of a stored definition. A Key outside the table has no name: the text ends
// with the modifiers, exactly as the editor writes a combination without a key, so that
// it reads back to Key -1.
std::string HotkeyTextOf(const HotkeyDefinition& definition);

// What remains after "Ctrl+", "Alt+", "Shift+" and "Win+" are taken off the front in turn.
std::string_view HotkeyKeyName(std::string_view text);

// The KeyNames index of a key name, matched whole and ignoring case; -1 when there is none.
std::int32_t KeyNameIndex(std::string_view key_name);

// The modifiers whose words occur anywhere in the text.
ModifierSet HotkeyTextToModifiers(std::string_view text);

// The component key index of the text's key name (0, no key, when it names none).
std::uint8_t HotkeyTextToKey(std::string_view text);

}  // namespace lumo
