#pragma once
#include <string>

#include "screendef/profile_reader.h"
#include "screendef/screen_definition.h"

namespace lumo {

// Fills WindowCaption, OnShowActions and OnCloseActions from the "WINDOW" section. Each
// value is stored as soon as it is read. False only when loading was interrupted (an
// exhausted resource); what was stored before stays. Never throws. On a failure,
// *failure (when given) says why, in the words the program shows.
bool LoadWindowDefinition(ScreenDefinition& model, const ProfileReader& file,
                          std::string* failure = nullptr);

}  // namespace lumo
