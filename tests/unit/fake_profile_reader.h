#pragma once
// An in-memory profile with the lookup rules of the real reader that the loaders rely on:
// section and key names match without regard to case, a missing entry gives the default.
// Values are returned exactly as set (the real reader's trimming happens before this).
#include <functional>
#include <map>
#include <string>
#include <utility>

#include "screendef/profile_reader.h"

namespace lumo::test {

class FakeProfileReader : public ProfileReader {
 public:
  FakeProfileReader& Set(const std::string& section, const std::string& key,
                         const std::string& value) {
    values_[Name(section, key)] = value;
    return *this;
  }

  // Reading this entry runs thrower instead, to interrupt a loader at that point.
  FakeProfileReader& FailOn(const std::string& section, const std::string& key,
                            std::function<void()> thrower) {
    failures_[Name(section, key)] = std::move(thrower);
    return *this;
  }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const override {
    const std::string name = Name(section, key);
    if (auto failure = failures_.find(name); failure != failures_.end()) {
      failure->second();
    }
    auto found = values_.find(name);
    return found == values_.end() ? default_value : found->second;
  }

 private:
  static std::string Name(const std::string& section, const std::string& key) {
    std::string name = section + '\n' + key;
    for (char& c : name) {
      if (c >= 'A' && c <= 'Z') {
        c = static_cast<char>(c - 'A' + 'a');
      }
    }
    return name;
  }

  std::map<std::string, std::string> values_;
  std::map<std::string, std::function<void()>> failures_;
};

}  // namespace lumo::test
