// Both screen-definition loaders over a file the fuzzer writes, and the number and
// rectangle forms and the action-list parser over every value in it; lumo-inspect's report
// on the file and its command line made of the file's values.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "common/number_text.h"
#include "fake_profile_reader.h"
#include "fakes/machine.h"
#include "inspect/check_report.h"
#include "inspect/file_text_checks.h"
#include "inspect/inspect_arguments.h"
#include "screendef/action_list.h"
#include "screendef/rectangle_value.h"
#include "screendef/timer_definition.h"
#include "screendef/window_definition.h"

namespace {

// A number read back from its decimal and its hex form is the same number.
void CheckNumberForms(std::string_view text) {
  const std::optional<std::int32_t> number = lumo::TextToInt32(text);
  if (!number) {
    return;
  }
  char hex[16];
  std::snprintf(hex, sizeof hex, "$%X", static_cast<unsigned>(*number));
  if (lumo::TextToInt32(std::to_string(*number)) != number || lumo::TextToInt32(hex) != number) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const lumo::test::FakeProfileReader file(text);
  CheckNumberForms(text);
  for (const std::string& value : file.values) {
    CheckNumberForms(value);
    lumo::ParseRectangle(value);
    lumo::ParseActionList(value);
  }
  lumo::ScreenDefinition model;
  lumo::test::RecordingTimer timer;
  std::string failure;
  if (!lumo::LoadWindowDefinition(model, file, &failure) ||
      (!lumo::LoadTimerDefinition(model, timer, file, &failure) && failure.empty())) {
    std::abort();  // the window part cannot fail here; a timer failure always says why
  }
  const lumo::InspectArguments arguments = lumo::ParseInspectArguments(file.values);
  if (!lumo::CheckScreenDefinition(file).Report.ends_with('\n') ||
      (arguments.Run == lumo::InspectArguments::Command::Stub && arguments.StubAction < 1)) {
    std::abort();  // every report ends its last line; actions count from 1
  }
  lumo::SavedAsUtf8(text);
  lumo::DuplicateSectionReport(text);
  return 0;
}
