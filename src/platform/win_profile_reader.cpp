#include "platform/win_profile_reader.h"

#include <windows.h>

#include <cstring>

namespace lumo {

std::string WinProfileReader::ReadString(const std::string& section, const std::string& key,
                                         const std::string& default_value) const {
  // A value cut inside a double-byte character comes back from Wine one byte short of the
  // count it reports, with that byte left unwritten: start from zeros and stop at the NUL.
  char buffer[2048] = {};
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), default_value.c_str(),
                                          buffer, sizeof buffer, path_.c_str());
  return std::string(buffer, strnlen(buffer, length));
}

}  // namespace lumo
