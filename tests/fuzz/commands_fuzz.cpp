// Command expansion and the command runs, with the register's control texts and the speech
// text chosen by the fuzzer, and the editors' "^" split and join with line verification.
// Input: command text, speech text, then control texts, separated by NUL bytes.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "announcer/command_execution.h"
#include "announcer/command_expansion.h"
#include "common/errors.h"
#include "editors/command_lines.h"
#include "fakes/machine.h"
#include "screendef/action_list.h"

namespace {

// What the command editor makes of a parameter opened and confirmed unchanged: it must give
// the parameter back, unless a line break inside a line split it into memo lines.
void CheckEditorRoundTrip(const std::string& parameter) {
  std::vector<std::string> lines;
  lumo::SplitCommandLines(parameter, lines);
  lumo::VerifyCommands(lines);
  const std::vector<std::string> memo = lumo::MemoLines(lumo::MemoTextOf(lines));
  if (!lines.empty() && parameter.find("\r\n") == std::string::npos &&
      lumo::JoinCommandLines(memo) != parameter) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> fields;
  for (std::size_t end; (end = rest.find('\0')) != rest.npos; rest.remove_prefix(end + 1)) {
    fields.emplace_back(rest.substr(0, end));
  }
  fields.emplace_back(rest);
  fields.resize(std::max<std::size_t>(fields.size(), 2));
  lumo::test::FakeWindowTexts texts;
  texts.descendants.assign(fields.begin() + 2, fields.end());
  for (std::size_t i = 0; i < texts.descendants.size(); ++i) {
    texts.controls[static_cast<std::int32_t>(i + 1)] = texts.descendants[i];
  }
  lumo::test::RecordingAnnouncer announcer;
  const std::string& command = fields[0];
  for (const lumo::WindowHandle window : {lumo::test::kRegister, lumo::WindowHandle{0}}) {
    const lumo::CommandContext context{window, texts, announcer, announcer};
    try {
      lumo::RunHotkeyCommand(context, command);
    } catch (const lumo::ConversionError&) {
    }
    try {
      lumo::RunActionList(context, lumo::ParseActionList(command).get());
    } catch (const lumo::ConversionError&) {
    }
  }
  lumo::ExtractSpeechText(fields[1]);
  CheckEditorRoundTrip(command);
  return 0;
}
