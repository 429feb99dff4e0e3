#include "platform/win_profile_reader.h"

#include <windows.h>

namespace lumo {

std::string WinProfileReader::ReadString(const std::string& section, const std::string& key,
                                         const std::string& default_value) const {
  char buffer[2048];
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), default_value.c_str(),
                                          buffer, sizeof buffer, path_.c_str());
  return std::string(buffer, length);
}

}  // namespace lumo
