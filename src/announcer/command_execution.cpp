#include "announcer/command_execution.h"

#include "announcer/command_expansion.h"
#include "announcer/one_run_window_texts.h"
#include "common/ascii_case.h"

namespace lumo {

void ShowDisplayText(const CommandContext& context, std::string_view text) {
  // A double-byte character starts with a lead byte, which is never one of the prefixes.
  if (text.empty()) {
    return;
  }
  const std::string rest(text.substr(1));
  if (text.front() == '~') {
    context.Driver.Cls(0);
    context.Clock.Sleep(kClearWaitMilliseconds);
    context.Driver.PrintText(1, 1, rest);
  } else if (text.front() == '^') {
    context.Driver.PrintText(1, 2, rest);
  }
}

void RunActionList(const CommandContext& whole, const CommandAction* first) {
  OneRunWindowTexts texts(whole.Texts);
  const CommandContext context{whole.MonitoredWindow, texts, whole.Driver, whole.Clock};
  for (const CommandAction* action = first; action; action = action->Next.get()) {
    if (action->Kind == kDisplayAction) {
      ShowDisplayText(context, ExpandActionText(context, action->Text));
    } else if (action->Kind == kSpeakAction) {
      context.Driver.SoundOut(ExtractSpeechText(ExpandActionText(context, action->Text)));
    }
  }
}

void SplitCommandLines(std::string_view text, std::vector<std::string>& lines) {
  bool only_blanks = true;
  for (char c : text) {
    if (static_cast<unsigned char>(c) > 32) {
      only_blanks = false;
      break;
    }
  }
  if (only_blanks) {
    return;
  }
  for (std::size_t caret = text.find('^'); caret != std::string_view::npos;
       caret = text.find('^')) {
    lines.emplace_back(text.substr(0, caret));
    text.remove_prefix(caret + 1);
  }
  lines.emplace_back(text);
}

void RunHotkeyCommand(const CommandContext& whole, std::string_view parameter) {
  OneRunWindowTexts texts(whole.Texts);
  const CommandContext context{whole.MonitoredWindow, texts, whole.Driver, whole.Clock};
  std::vector<std::string> lines;
  SplitCommandLines(parameter, lines);
  for (const std::string& line : lines) {
    const std::string text = ExpandHotkeyLine(context, line);
    const std::size_t equals = line.find('=');
    const std::string_view name =
        equals == std::string::npos ? std::string_view() : std::string_view(line).substr(0, equals);
    if (AsciiUpper(name) == "SPEAK") {
      context.Driver.SoundOut(text);
    } else {
      ShowDisplayText(context, text);
    }
  }
}

}  // namespace lumo
