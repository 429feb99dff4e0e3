#include "platform/program_file.h"

#include <windows.h>

namespace lumo {

std::string ProgramFilePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

}  // namespace lumo
