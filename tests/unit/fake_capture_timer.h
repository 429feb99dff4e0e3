#pragma once
// Records how the loader switches the capture timer, and can refuse like the platform.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "screendef/capture_timer.h"

namespace lumo::test {

class FakeCaptureTimer : public CaptureTimer {
 public:
  bool enabled = false;
  std::uint32_t interval = 1000;
  std::vector<std::string> calls;  // "enabled 1", "interval 250", in call order
  std::function<void()> refuse_enable;
  std::function<void()> refuse_interval;

  void SetEnabled(bool value) override {
    calls.push_back("enabled " + std::to_string(value ? 1 : 0));
    if (refuse_enable) {
      refuse_enable();
    }
    enabled = value;
  }
  void SetInterval(std::uint32_t milliseconds) override {
    calls.push_back("interval " + std::to_string(milliseconds));
    if (refuse_interval) {
      refuse_interval();
    }
    interval = milliseconds;
  }
};

}  // namespace lumo::test
