#pragma once
#include <string>

namespace lumo {

// Records why a screen-definition loader failed, when the caller asked; always false, the
// loader's result for a failure.
inline bool Failed(std::string* failure, const std::string& reason) {
  if (failure != nullptr) {
    *failure = reason;
  }
  return false;
}

}  // namespace lumo
