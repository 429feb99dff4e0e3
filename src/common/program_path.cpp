#include "common/program_path.h"

#include "common/dbcs.h"

namespace lumo {

std::string DirectoryPart(std::string_view path) {
  std::size_t end = 0;
  for (std::size_t pos = 0; pos < path.size(); pos += CharLengthAt(path, pos)) {
    if (CharLengthAt(path, pos) == 1 && (path[pos] == '\\' || path[pos] == ':')) {
      end = pos + 1;
    }
  }
  return std::string(path.substr(0, end));
}

std::string FileBesideProgram(std::string_view exe_path, std::string_view name) {
  std::string result = DirectoryPart(exe_path);
  if (result.empty() || result.back() != '\\') {
    result += '\\';
  }
  result += name;
  return result;
}

}  // namespace lumo
