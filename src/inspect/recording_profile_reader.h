#pragma once
#include <string>
#include <vector>

#include "screendef/profile_reader.h"

namespace lumo {

// One value as a loader asked for it, and whether the file had it or the default stood in.
struct ProfileRead {
  std::string Section;
  std::string Key;
  std::string Value;  // what the loader got
  bool InFile = false;

  bool operator==(const ProfileRead&) const = default;
};

// Passes every read through to the file and keeps a record of it, in order. A key that is
// present with the very text of the default still counts as in the file: the file is asked
// a second time with another default, which only a missing key gives back.
class RecordingProfileReader : public ProfileReader {
 public:
  explicit RecordingProfileReader(const ProfileReader& file) : file_(file) {}

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const override;

  const std::vector<ProfileRead>& Reads() const { return reads_; }

 private:
  const ProfileReader& file_;
  mutable std::vector<ProfileRead> reads_;
};

}  // namespace lumo
