#pragma once
#include <string>
#include <string_view>

namespace lumo {

// Lumo.sdf lies beside the program and nowhere else: exe_path is the running program's own
// full path (GetModuleFileNameA).
std::string ScreenDefinitionPath(std::string_view exe_path);

}  // namespace lumo
