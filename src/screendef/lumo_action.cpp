#include "screendef/lumo_action.h"

namespace lumo {

TLumoAction::~TLumoAction() {
  while (Next) {
    // Detach the follower's tail first, so that dropping the follower releases one entry.
    std::unique_ptr<TLumoAction> rest = std::move(Next->Next);
    Next = std::move(rest);
  }
}

}  // namespace lumo
