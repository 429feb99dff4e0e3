#include "screendef/command_action.h"

namespace lumo {

CommandAction::~CommandAction() {
  while (Next) {
    // Detach the follower's tail first, so that dropping the follower releases one entry.
    std::unique_ptr<CommandAction> rest = std::move(Next->Next);
    Next = std::move(rest);
  }
}

}  // namespace lumo
