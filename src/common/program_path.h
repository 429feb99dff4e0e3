#pragma once
#include <string>
#include <string_view>

namespace lumo {

// Everything up to and including the last backslash or colon that is a character of its
// own (a trail byte of a double-byte character does not count); empty when there is none.
std::string DirectoryPart(std::string_view path);

// name in the directory of exe_path: the directory part, a backslash when it does not
// already end in one, then name. "C:\Pos\Lumo.exe" and "Lumo.sdf" give "C:\Pos\Lumo.sdf".
std::string FileBesideProgram(std::string_view exe_path, std::string_view name);

}  // namespace lumo
