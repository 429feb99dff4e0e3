#pragma once
// A profile given as INI text, read the way the loaders' reader reads a file: "[section]"
// lines and "key=value" lines, blanks around the value and one pair of enclosing quotes
// removed, at most 2047 bytes of a value seen, names in any letter case. A missing entry gives
// the default; the read of the entry fail_at ("SECTION/Key") runs fail, to interrupt a loader.
#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "screendef/profile_reader.h"

namespace lumo::test {

class FakeProfileReader : public ProfileReader {
 public:
  explicit FakeProfileReader(std::string_view text) {
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
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
            value.back() == value[0]) {
          value = value.substr(1, value.size() - 2);
        }
        values_[Entry(section, Trim(line.substr(0, equals)))] = values.emplace_back(value);
      }
    }
  }

  std::vector<std::string> values;  // in file order
  std::string fail_at;
  std::function<void()> fail = [] { throw std::bad_alloc(); };

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const override {
    if (section + "/" + key == fail_at) {
      fail();
    }
    auto found = values_.find(Entry(section, key));
    return found == values_.end() ? default_value : found->second;
  }

 private:
  static std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    return first == text.npos ? std::string_view()
                              : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
  }
  static std::string Entry(std::string_view section, std::string_view key) {
    std::string name = std::string(section) + '\0' + std::string(key);
    std::ranges::transform(name, name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name;
  }
  std::map<std::string, std::string> values_;
};

}  // namespace lumo::test
