#pragma once
// An action list as one text: each entry as its kind (S speak, D display) and its text.
#include <string>

#include "screendef/lumo_action.h"

namespace lumo::test {

inline std::string Text(const TLumoAction* action) {
  std::string text;
  for (; action; action = action->Next.get()) {
    text += (text.empty() ? "" : " ") + std::string(action->Kind == kSpeakAction ? "S'" : "D'") +
            action->Text + "'";
  }
  return text;
}

}  // namespace lumo::test
