#pragma once
#include <map>
#include <string>
#include <vector>

namespace register_sim {

struct Options {
  bool has_title = false;
  std::string title;                 // ANSI bytes
  std::map<int, std::string> texts;  // control ID -> ANSI bytes
  bool pattern = false;
  unsigned hang_after_ms = 0;  // 0: never
  std::string screen;          // empty: no amount display
  int focus_id = 0;            // 0: the focus stays where Windows puts it
};

// Splits an ANSI command line tail: blanks separate, double quotes group. Backslashes are
// plain bytes, since a GBK trail byte can be one.
std::vector<std::string> SplitArguments(const std::string& tail);

Options ParseOptions(const std::vector<std::string>& arguments);

// The command line without the program's own name.
std::string CommandLineTail(const char* command_line);

}  // namespace register_sim
