#pragma once
// What `lumo-inspect --check` prints about a screen definition file: every key as the
// loaders read it, marked "read" or "default", what each loader produced, and where loading
// failed, what stays stored.
#include <string>

#include "screendef/profile_reader.h"
#include "screendef/screen_definition.h"

namespace lumo {

struct CheckOutcome {
  bool Loaded = false;  // both loaders ran to their end
  std::string Report;   // ANSI bytes, lines ending in '\n'
  ScreenDefinition Model;
};

// Loads file with Lumo.exe's own loaders, in Lumo.exe's order: LoadWindowDefinition, then
// LoadTimerDefinition whatever the first returned.
CheckOutcome CheckScreenDefinition(const ProfileReader& file);

}  // namespace lumo
