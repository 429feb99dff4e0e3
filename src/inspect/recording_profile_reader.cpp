#include "inspect/recording_profile_reader.h"

namespace lumo {

std::string RecordingProfileReader::ReadString(const std::string& section, const std::string& key,
                                               const std::string& default_value) const {
  std::string value = file_.ReadString(section, key, default_value);
  bool in_file = value != default_value;
  if (!in_file) {
    // No trailing blank: the system's reader strips those from a default.
    const std::string other_default = default_value + "?";
    in_file = file_.ReadString(section, key, other_default) != other_default;
  }
  reads_.push_back({section, key, value, in_file});
  return value;
}

}  // namespace lumo
