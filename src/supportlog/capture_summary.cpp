#include "supportlog/capture_summary.h"

#include <string>

namespace lumo {

void CaptureSummary::AfterTick(std::uint64_t now, WindowHandle window,
                               const CaptureCounts& counts) {
  // The counts began at zero with the capture; the first tick may have sent already.
  if (!started_) {
    started_ = true;
    period_start_ = now;
  }
  if (window != window_) {
    window_ = window;
    first_due_ = window != 0;
  }
  if (first_due_ && counts.Pictures > pictures_seen_) {
    first_due_ = false;
    log_.Write("capture", "first picture sent after attaching");
  }
  pictures_seen_ = counts.Pictures;
  if (now - period_start_ < period_) {
    return;
  }
  // A quiet period (no capture timer, or nothing counted) writes nothing.
  if (counts != at_period_start_) {
    log_.Write(
        "capture",
        std::to_string(counts.Pictures - at_period_start_.Pictures) + " pictures sent, " +
            std::to_string(counts.Unchanged - at_period_start_.Unchanged) + " unchanged ticks, " +
            std::to_string(counts.Advertisements - at_period_start_.Advertisements) +
            " advertisements shown in " + std::to_string((now - period_start_) / 1000) + " s");
  }
  period_start_ = now;
  at_period_start_ = counts;
}

}  // namespace lumo
