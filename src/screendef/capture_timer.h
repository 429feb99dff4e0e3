#pragma once
#include <cstdint>

namespace lumo {

// The periodic capture timer on the user-interface thread, as the timer loader switches it.
// It ticks every interval milliseconds while it is enabled; an interval of 0 gives no
// ticks. Either call may throw when the platform refuses the timer.
class CaptureTimer {
 public:
  virtual ~CaptureTimer() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetInterval(std::uint32_t milliseconds) = 0;
};

}  // namespace lumo
