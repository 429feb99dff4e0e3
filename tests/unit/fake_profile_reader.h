#pragma once
// A profile given as INI text ("[section]" lines, then "key=value" lines): a missing entry
// gives the default, and on_read may throw to interrupt a loader at an entry.
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "screendef/profile_reader.h"

namespace lumo::test {

class FakeProfileReader : public ProfileReader {
 public:
  explicit FakeProfileReader(std::string_view text) {
    std::string section;
    while (!text.empty()) {
      const std::string line(text.substr(0, text.find('\n')));
      text.remove_prefix(std::min(text.size(), line.size() + 1));
      if (line.starts_with('[')) {
        section = line.substr(1, line.size() - 2);
      } else {
        values_[{section, line.substr(0, line.find('='))}] = line.substr(line.find('=') + 1);
      }
    }
  }

  std::function<void(const std::string& section_key)> on_read;  // "SECTION/Key"

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const override {
    if (on_read) {
      on_read(section + "/" + key);
    }
    auto found = values_.find({section, key});
    return found == values_.end() ? default_value : found->second;
  }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

}  // namespace lumo::test
