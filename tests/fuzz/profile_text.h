#pragma once
// Fuzzer input read as a profile file, the way the loaders' reader reads one: "[section]"
// lines and "key=value" lines, blanks around the value and one pair of enclosing quotes
// removed, at most 2047 bytes of a value seen.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_fakes.h"

namespace lumo::fuzz {

inline std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  return first == text.npos ? std::string_view()
                            : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Fills reader; gives the values in file order.
inline std::vector<std::string> ReadProfileText(std::string_view text, ProfileValues& reader) {
  std::vector<std::string> values;
  std::string section;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
    const std::size_t equals = line.find('=');
    if (line.starts_with('[')) {
      section = line.substr(1, line.find(']') - 1);
    } else if (equals != line.npos) {
      std::string_view value = Trim(line.substr(equals + 1)).substr(0, 2047);
      if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        value = value.substr(1, value.size() - 2);
      }
      reader.Set(section, std::string(Trim(line.substr(0, equals))), values.emplace_back(value));
    }
  }
  return values;
}

}  // namespace lumo::fuzz
