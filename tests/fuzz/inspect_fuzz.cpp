// lumo-inspect's decisions over a file the fuzzer writes: the --check report and the file's
// own text checks, and the command line with one argument a line.
#include <cstdlib>
#include <string>
#include <vector>

#include "fake_profile_reader.h"
#include "inspect/check_report.h"
#include "inspect/file_text_checks.h"
#include "inspect/inspect_arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const lumo::CheckOutcome outcome =
      lumo::CheckScreenDefinition(lumo::test::FakeProfileReader(text));
  lumo::SavedAsUtf8(text);
  lumo::DuplicateSectionReport(text);
  std::vector<std::string> arguments(1);
  for (char c : text) {
    if (c == '\n') {
      arguments.emplace_back();
    } else {
      arguments.back().push_back(c);
    }
  }
  const lumo::InspectArguments parsed = lumo::ParseInspectArguments(arguments);
  if (!outcome.Report.ends_with('\n') ||
      (parsed.Run == lumo::InspectArguments::Command::Stub && parsed.StubAction < 1)) {
    std::abort();  // every report ends its last line; actions count from 1
  }
  return 0;
}
