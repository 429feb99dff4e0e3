#include "inspect/inspect_arguments.h"

#include <optional>

#include "common/number_text.h"

namespace lumo {

namespace {

InspectArguments Usage(const std::string& error) {
  InspectArguments arguments;
  arguments.Error = error;
  return arguments;
}

}  // namespace

InspectArguments ParseInspectArguments(const std::vector<std::string>& arguments) {
  const std::size_t count = arguments.size();
  if (count == 0 || arguments[0] == "--help" || arguments[0] == "/?") {
    return Usage("");
  }
  InspectArguments parsed;
  if (arguments[0] == "--check") {
    if (count > 2) {
      return Usage("--check takes one file at most");
    }
    parsed.Run = InspectArguments::Command::Check;
    parsed.SdfPath = count == 2 ? arguments[1] : "";
    return parsed;
  }
  if (arguments[0].starts_with("--")) {
    return Usage("unknown option " + arguments[0]);
  }
  parsed.Caption = arguments[0];
  if (count == 1) {
    parsed.Run = InspectArguments::Command::List;
    return parsed;
  }
  parsed.StubFirst = arguments.back() == "--first";
  const std::size_t stub_count = parsed.StubFirst ? count - 1 : count;
  if (arguments[1] != "--sdf" || stub_count < 3 || stub_count > 4) {
    return Usage("after the caption only --sdf <ID> [<n>] [--first] may follow");
  }
  const std::optional<std::int32_t> id = TextToInt32(arguments[2]);
  const std::optional<std::int32_t> action =
      stub_count == 4 ? TextToInt32(arguments[3]) : std::optional<std::int32_t>(1);
  if (!id) {
    return Usage("--sdf needs a control ID, a number");
  }
  if (!action || *action < 1) {
    return Usage("the action number after the ID counts from 1");
  }
  parsed.Run = InspectArguments::Command::Stub;
  parsed.StubId = *id;
  parsed.StubAction = *action;
  return parsed;
}

std::string InspectUsage() {
  return "lumo-inspect.exe shows a register window the way Lumo.exe sees it.\n"
         "\n"
         "  lumo-inspect.exe <caption>\n"
         "      the window whose title contains <caption>, and every control in it: the n of\n"
         "      %n, the ID of <%ID%>, class, shown or not, text, and the rectangle for [RECT]\n"
         "  lumo-inspect.exe <caption> --sdf <ID> [<n>] [--first]\n"
         "      a [TIMER.ACTIONn] stub that copies control <ID> (n is 1 unless given), safe\n"
         "      to append to Lumo.sdf; its [RECT] entry comes under a [RECT] header only with\n"
         "      --first (the file's first stub), else as a line to move into that section\n"
         "  lumo-inspect.exe --check [<file>]\n"
         "      loads Lumo.sdf (beside this program unless <file> is given) as Lumo.exe does,\n"
         "      and with the register window open, runs its commands, the hotkeys of the\n"
         "      Lumo.hkd beside it and one capture tick without the announcer, writing the\n"
         "      picture to preview.bmp\n"
         "\n"
         "Exit code 0 when all went well, 1 otherwise.\n";
}

}  // namespace lumo
