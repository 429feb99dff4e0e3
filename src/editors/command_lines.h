#pragma once
// The announcer command of a hotkey as the editors see it: one text with its lines joined
// by "^" in the parameter field, one line per memo line in the command editor.
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// A line is valid when the part before its first "=" is exactly "Speak" or "Display".
// The names are case-sensitive here on purpose: the editor teaches the canonical spelling.
bool IsValidCommandLine(std::string_view line);

// True when every line is valid; an empty list verifies.
bool VerifyCommands(const std::vector<std::string>& lines);

// The lines of a memo's text: CR LF separates lines, and an empty last line after the
// final line break is no line of its own.
std::vector<std::string> MemoLines(std::string_view memo_text);

// The memo text that holds exactly the given lines, each followed by a line break.
std::string MemoTextOf(const std::vector<std::string>& lines);

// What the insert buttons append at the end of a memo to add `line` as its new last line.
struct CommandLineInsert {
  std::string text;  // inserted at the very end of the memo
  // The new line ends with a line break: select it, with the caret after the "=".
  bool select_line_break = false;
};
CommandLineInsert AppendCommandLine(std::string_view memo_text, std::string_view line);

// Joins confirmed memo lines with "^" back into a parameter text; the way back is
// SplitCommandLines, the split the command run itself uses.
std::string JoinCommandLines(const std::vector<std::string>& lines);

}  // namespace lumo
