#pragma once
// The full path of the running program's own file, in the ANSI code page: the program's
// files (Lumo.sdf, the hotkey file, tmp.bmp, Lumo.log) lie beside it.
#include <string>

namespace lumo {

std::string ProgramFilePath();

}  // namespace lumo
