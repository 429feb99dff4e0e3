#pragma once
// The command line of lumo-inspect.exe.
#include <cstdint>
#include <string>
#include <vector>

namespace lumo {

struct InspectArguments {
  enum class Command { List, Stub, Check, Usage };
  Command Run = Command::Usage;
  std::string Caption;          // List, Stub: ANSI bytes
  std::int32_t StubId = 0;      // Stub: the control's dialog ID
  std::int32_t StubAction = 1;  // Stub: n of [TIMER.ACTIONn] and of its [RECT] entry
  bool StubFirst = false;       // Stub: with the [RECT] header, for the file's first stub
  std::string SdfPath;          // Check: empty for Lumo.sdf beside the program
  std::string Error;            // Usage: what was wrong, empty when help was asked for
};

// arguments without the program's own name.
InspectArguments ParseInspectArguments(const std::vector<std::string>& arguments);

std::string InspectUsage();

}  // namespace lumo
