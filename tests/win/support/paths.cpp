#include "support/paths.h"

#include <windows.h>

namespace lumo::test {

std::string BinDir() {
  char path[MAX_PATH] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string result(path, length);
  return result.substr(0, result.find_last_of('\\') + 1);
}

}  // namespace lumo::test
