#pragma once
// The announcer as a dry run sees it: every call, and the wait after a clear, written down
// as a line instead of reaching the driver.
#include <string>
#include <vector>

#include "announcer/announcer.h"
#include "common/clock.h"

namespace lumo {

// Lines read like the calls: Cls(0), "wait 100 ms", PrintText(1, 1, "text"),
// SoundOut("text"), DrawImage(0, 0, "path", null). Texts stay ANSI bytes.
class CallTranscript : public Announcer, public Sleeper {
 public:
  std::int32_t Cls(std::int32_t mode) override;
  std::int32_t PrintText(std::int32_t first, std::int32_t line, const std::string& text) override;
  std::int32_t SoundOut(const std::string& text) override;
  std::int32_t DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                         const AnnouncerRect* rect) override;
  void Sleep(std::uint32_t milliseconds) override;

  std::vector<std::string> Lines;
};

}  // namespace lumo
