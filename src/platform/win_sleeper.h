#pragma once
#include "common/clock.h"

namespace lumo {

// Blocks the calling thread: nothing else reaches the announcer while a clear settles.
class WinSleeper : public Sleeper {
 public:
  void Sleep(std::uint32_t milliseconds) override;
};

}  // namespace lumo
