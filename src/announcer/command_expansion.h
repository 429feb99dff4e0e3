#pragma once
// The two placeholder grammars of announcer commands. Texts are ANSI bytes; markers are
// found byte by byte, always their first occurrence.
#include <cstdint>
#include <string>
#include <string_view>

#include "announcer/command_context.h"

namespace lumo {

// Control texts are read into these buffers (terminator included).
inline constexpr std::size_t kControlTextBuffer = 64;
inline constexpr std::size_t kChildTextBuffer = 32;
// A blank run gives at most this many spaces; below zero it gives none.
inline constexpr std::int32_t kMaxBlankRun = 19;

// Text of a window, at most 63 bytes; empty for handle 0.
std::string ReadControlText(WindowTexts& texts, WindowHandle handle);

// Text of the n-th descendant of parent (from 1), at most 31 bytes. An n out of range
// reads the last descendant; no descendants give an empty text.
std::string ReadChildWindowText(WindowTexts& texts, WindowHandle parent, std::int32_t n);

// Screen-definition commands: every "<%id%>" replaced by the text of that dialog control,
// then every blank run expanded. Throws ConversionError for a reference that is no integer.
std::string ExpandActionText(const CommandContext& context, std::string_view text);

// Every "{n}" replaced by n spaces (clamped to 0..19). Throws ConversionError.
std::string ExpandBlanks(std::string_view text);

// Hotkey command lines: the text after the first "=", with its first "%n" replaced by the
// text of the n-th descendant of the register window (" " when none is attached).
// Throws ConversionError for a "%" without digits while a register window is attached.
std::string ExpandHotkeyLine(const CommandContext& context, std::string_view line);

// The first number (digits and dots) of the text followed by its last two characters,
// a double-byte character counting as one. A number of any length is kept whole; commas
// grouping its whole part by three digits ("1,234.50") are left out.
std::string ExtractSpeechText(std::string_view text);

}  // namespace lumo
