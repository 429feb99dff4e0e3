#pragma once
// An action list as plain values, so that a whole list compares in one expectation.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "screendef/lumo_action.h"

namespace lumo::test {

using Entry = std::pair<int, std::string>;  // Kind, Text

inline std::vector<Entry> Entries(const ActionList& list) {
  std::vector<Entry> entries;
  for (const TLumoAction* action = list.get(); action; action = action->Next.get()) {
    entries.emplace_back(action->Kind, action->Text);
  }
  return entries;
}

}  // namespace lumo::test
