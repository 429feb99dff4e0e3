#pragma once
#include <string>
#include <string_view>

namespace lumo {

// Title of the program's own message boxes: the file name of exe_path up to its first
// ".", every character after the first in lower case ("C:\Pos\LUMO.EXE" gives "Lumo").
// Double-byte characters are kept as they are.
std::string MessageTitle(std::string_view exe_path);

}  // namespace lumo
