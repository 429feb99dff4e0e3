#include "screendef/screen_definition_file.h"

#include "common/program_path.h"

namespace lumo {

std::string ScreenDefinitionPath(std::string_view exe_path) {
  return FileBesideProgram(exe_path, "Lumo.sdf");
}

}  // namespace lumo
