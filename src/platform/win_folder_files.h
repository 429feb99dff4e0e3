#pragma once
#include <string>
#include <vector>

namespace lumo {

// The entries of folder (ending in a backslash) that match "*.*" and are neither folders nor
// hidden nor system, in the order FindNextFile returns them. Replaces the contents of names,
// reusing its strings; a missing folder gives none.
void FindFolderFiles(const std::string& folder, std::vector<std::string>& names);

}  // namespace lumo
