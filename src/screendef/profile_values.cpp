#include "screendef/profile_values.h"

#include "common/number_text.h"

namespace lumo {

std::string ReadString(const ProfileReader& file, const std::string& section,
                       const std::string& key, const std::string& default_value) {
  return file.ReadString(section, key, default_value);
}

std::int32_t ReadInteger(const ProfileReader& file, const std::string& section,
                         const std::string& key, std::int32_t default_value) {
  return TextToInt32(file.ReadString(section, key, std::string())).value_or(default_value);
}

bool ReadBool(const ProfileReader& file, const std::string& section, const std::string& key,
              bool default_value) {
  return ReadInteger(file, section, key, default_value ? 1 : 0) != 0;
}

}  // namespace lumo
