#include "editors/command_lines.h"

#include <algorithm>

namespace lumo {

namespace {
constexpr std::string_view kLineBreak = "\r\n";
}

bool IsValidCommandLine(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) {
    return false;
  }
  const std::string_view name = line.substr(0, equals);
  return name == "Speak" || name == "Display";
}

bool VerifyCommands(const std::vector<std::string>& lines) {
  return std::all_of(lines.begin(), lines.end(),
                     [](const std::string& line) { return IsValidCommandLine(line); });
}

std::vector<std::string> MemoLines(std::string_view memo_text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = memo_text.find(kLineBreak, start);
    if (end == std::string_view::npos) {
      break;
    }
    lines.emplace_back(memo_text.substr(start, end - start));
    start = end + kLineBreak.size();
  }
  if (start < memo_text.size()) {
    lines.emplace_back(memo_text.substr(start));
  }
  return lines;
}

std::string MemoTextOf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text.append(line).append(kLineBreak);
  }
  return text;
}

CommandLineInsert AppendCommandLine(std::string_view memo_text, std::string_view line) {
  CommandLineInsert insert;
  if (memo_text.empty() || memo_text.ends_with(kLineBreak)) {
    // The new line starts where the memo ends and brings its own line break.
    insert.text.append(line).append(kLineBreak);
  } else {
    // The last line has no break yet: close it first.
    insert.text.append(kLineBreak).append(line);
  }
  // Whenever the new line brings its own break, typing must continue the line rather than
  // start one below it: the memo filled from a parameter text always ends with a break.
  insert.select_line_break = insert.text.ends_with(kLineBreak);
  return insert;
}

std::string JoinCommandLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      text += '^';
    }
    text += lines[i];
  }
  return text;
}

}  // namespace lumo
