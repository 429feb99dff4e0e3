#pragma once
// Running announcer commands: hotkey command texts and the display rule they share with
// the screen-definition command lists.
#include <string>
#include <string_view>
#include <vector>

#include "announcer/command_context.h"
#include "screendef/command_action.h"

namespace lumo {

// The wait after a clear before the display takes text again.
inline constexpr std::uint32_t kClearWaitMilliseconds = 100;

// Runs a screen-definition command list from its first entry (null: nothing). Display
// entries are expanded and shown, speak entries expanded and reduced to their speech text;
// other kinds are passed over. Once a read of the register window has timed out, the rest
// of the run reads it as empty without waiting again. A ConversionError stops the run at
// the failing entry; the entries before it stay run.
void RunActionList(const CommandContext& context, const CommandAction* first);

// "~text" clears the display, waits and prints text on line 1; "^text" prints text on
// line 2; anything else, the empty text included, does nothing.
void ShowDisplayText(const CommandContext& context, std::string_view text);

// Appends the "^"-separated lines of text to lines, untrimmed and empties kept. A text of
// blanks and control characters only gives no lines.
void SplitCommandLines(std::string_view text, std::vector<std::string>& lines);

// Runs the lines of a hotkey parameter in order: "Speak" lines (any case) are spoken
// whole, every other line goes through the display rule. A read that timed out makes the
// rest of the run read empty texts, as in RunActionList. A ConversionError stops the run
// at the failing line; the lines before it stay run.
void RunHotkeyCommand(const CommandContext& context, std::string_view parameter);

}  // namespace lumo
