#pragma once
#include <string>

namespace lumo::test {

// Directory of the running test executable, with its trailing backslash: build/win64/bin\,
// where Lumo.exe, the two DLLs and the tools are built.
std::string BinDir();

}  // namespace lumo::test
