#include "screendef/window_definition.h"

#include "screendef/definition_keys.h"
#include "screendef/action_list.h"
#include "screendef/load_failure.h"
#include "screendef/profile_values.h"

namespace lumo {

bool LoadWindowDefinition(ScreenDefinition& model, const ProfileReader& file,
                          std::string* failure) {
  // The caller decides what a false result leads to; nothing may escape into the
  // window creation that calls us.
  try {
    model.WindowCaption = ReadString(file, sdf::kWindowSection, sdf::kCaption, "");
    model.OnShowActions = ParseActionList(ReadString(file, sdf::kWindowSection, sdf::kOnShow, ""));
    model.OnCloseActions =
        ParseActionList(ReadString(file, sdf::kWindowSection, sdf::kOnClose, ""));
    return true;
  } catch (const std::exception& error) {
    return Failed(failure, error.what());
  } catch (...) {
    return Failed(failure, "Loading [WINDOW] failed");
  }
}

}  // namespace lumo
