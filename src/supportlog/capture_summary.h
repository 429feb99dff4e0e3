#pragma once
// The capture in the support log without a line per tick: the first picture sent after
// attaching to a register window, then at most one line a period with what the ticks did.
#include <cstdint>

#include "capture/screen_capture.h"
#include "common/window_handle.h"
#include "supportlog/support_log.h"

namespace lumo {

inline constexpr std::uint64_t kCaptureSummaryMilliseconds = 60 * 1000;

class CaptureSummary {
 public:
  explicit CaptureSummary(SupportLog& log, std::uint64_t period = kCaptureSummaryMilliseconds)
      : log_(log), period_(period) {}

  // After each tick: a monotonic time in milliseconds, the window the tick read (0 for
  // none) and the capture's counts so far. Costs a few comparisons when nothing is due.
  void AfterTick(std::uint64_t now, WindowHandle window, const CaptureCounts& counts);

 private:
  SupportLog& log_;
  const std::uint64_t period_;
  bool started_ = false;
  WindowHandle window_ = 0;
  bool first_due_ = false;  // attached, and no picture sent since
  std::uint64_t period_start_ = 0;
  CaptureCounts at_period_start_;
  std::uint64_t pictures_seen_ = 0;
};

}  // namespace lumo
