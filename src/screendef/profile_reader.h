#pragma once
#include <string>

namespace lumo {

// One value of a profile ("INI") file: section and key match without regard to case, blanks
// around the value and one pair of enclosing quotes are removed, a missing file, section or
// key yields the default, and at most the first 2047 bytes of a value are seen.
class ProfileReader {
 public:
  virtual ~ProfileReader() = default;
  virtual std::string ReadString(const std::string& section, const std::string& key,
                                 const std::string& default_value) const = 0;
};

}  // namespace lumo
