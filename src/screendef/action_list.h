#pragma once
#include <string_view>

#include "screendef/command_action.h"

namespace lumo {

// Turns an action-list value of Lumo.sdf into a new list owned by the caller: tokens
// separated by "&" or blanks, "DISPLAY=" tokens give display entries, "SPEAK=" tokens speak
// entries (prefixes in any letter case), every other token an entry that does nothing.
ActionList ParseActionList(std::string_view value);

}  // namespace lumo
