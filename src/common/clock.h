#pragma once
#include <cstdint>

namespace lumo {

// Blocking wait on the calling thread; production calls Sleep, tests record the wait.
class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace lumo
