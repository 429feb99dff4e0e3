#include "service/message_title.h"

#include "common/dbcs.h"
#include "common/program_path.h"

namespace lumo {

std::string MessageTitle(std::string_view exe_path) {
  std::string_view name = exe_path.substr(DirectoryPart(exe_path).size());
  std::string title;
  for (std::size_t pos = 0; pos < name.size();) {
    const std::size_t length = CharLengthAt(name, pos);
    if (length == 1 && name[pos] == '.') {
      break;
    }
    if (length == 1 && !title.empty() && name[pos] >= 'A' && name[pos] <= 'Z') {
      title.push_back(static_cast<char>(name[pos] - 'A' + 'a'));
    } else {
      title.append(name.substr(pos, length));
    }
    pos += length;
  }
  return title;
}

}  // namespace lumo
