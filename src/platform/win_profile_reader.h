#pragma once
#include <string>

#include "screendef/profile_reader.h"

namespace lumo {

// Reads through GetPrivateProfileStringA, so that duplicate keys, comments and odd lines
// behave exactly as Windows makes them behave.
class WinProfileReader : public ProfileReader {
 public:
  explicit WinProfileReader(std::string path) : path_(std::move(path)) {}
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const override;

 private:
  std::string path_;
};

}  // namespace lumo
