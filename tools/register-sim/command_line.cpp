#include "command_line.h"

#include <cstdlib>

namespace register_sim {

std::vector<std::string> SplitArguments(const std::string& tail) {
  std::vector<std::string> arguments;
  std::string current;
  bool in_argument = false;
  bool quoted = false;
  for (char c : tail) {
    if (c == '"') {
      quoted = !quoted;
      in_argument = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (in_argument) {
        arguments.push_back(current);
        current.clear();
        in_argument = false;
      }
    } else {
      current.push_back(c);
      in_argument = true;
    }
  }
  if (in_argument) {
    arguments.push_back(current);
  }
  return arguments;
}

Options ParseOptions(const std::vector<std::string>& arguments) {
  Options options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    const bool has_value = i + 1 < arguments.size();
    if (name == "--title" && has_value) {
      options.has_title = true;
      options.title = arguments[++i];
    } else if (name == "--text" && has_value) {
      const std::string& assignment = arguments[++i];
      std::size_t equals = assignment.find('=');
      if (equals != std::string::npos) {
        options.texts[std::atoi(assignment.substr(0, equals).c_str())] =
            assignment.substr(equals + 1);
      }
    } else if (name == "--pattern") {
      options.pattern = true;
    } else if (name == "--hang-after" && has_value) {
      options.hang_after_ms = static_cast<unsigned>(std::atoi(arguments[++i].c_str()));
    } else if (name == "--screen" && has_value) {
      options.screen = arguments[++i];
    } else if (name == "--focus" && has_value) {
      options.focus_id = std::atoi(arguments[++i].c_str());
    }
  }
  return options;
}

std::string CommandLineTail(const char* command_line) {
  std::string line = command_line ? command_line : "";
  std::size_t pos = 0;
  // The program name may be quoted and hold blanks.
  if (!line.empty() && line[0] == '"') {
    std::size_t close = line.find('"', 1);
    pos = close == std::string::npos ? line.size() : close + 1;
  } else {
    pos = line.find_first_of(" \t");
    if (pos == std::string::npos) {
      pos = line.size();
    }
  }
  return line.substr(pos);
}

}  // namespace register_sim
