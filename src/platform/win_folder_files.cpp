#include "platform/win_folder_files.h"

#include <windows.h>

namespace lumo {

void FindFolderFiles(const std::string& folder, std::vector<std::string>& names) {
  std::size_t count = 0;
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    constexpr DWORD kLeftOut =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
      if ((entry.dwFileAttributes & kLeftOut) != 0) {
        continue;
      }
      if (count < names.size()) {
        names[count].assign(entry.cFileName);
      } else {
        names.emplace_back(entry.cFileName);
      }
      ++count;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  names.resize(count);
}

}  // namespace lumo
