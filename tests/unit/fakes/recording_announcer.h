#pragma once
// The announcer and the wait after a clear, recorded into one list so that tests see the
// order of driver calls and waits together.
#include <string>
#include <vector>

#include "announcer/announcer.h"
#include "common/clock.h"

namespace lumo::test {

class RecordingAnnouncer : public Announcer, public Sleeper {
 public:
  void Cls(std::int32_t mode) override { calls.push_back("Cls " + std::to_string(mode)); }
  void PrintText(std::int32_t first, std::int32_t line, const std::string& text) override {
    calls.push_back("PrintText " + std::to_string(first) + " " + std::to_string(line) + " '" +
                    text + "'");
  }
  void SoundOut(const std::string& text) override { calls.push_back("SoundOut '" + text + "'"); }
  void DrawImage(std::int32_t x, std::int32_t y, const std::string& path,
                 const AnnouncerRect* rect) override {
    std::string area = "null";
    if (rect) {
      area = std::to_string(rect->Left) + "," + std::to_string(rect->Top) + "," +
             std::to_string(rect->Right) + "," + std::to_string(rect->Bottom);
    }
    calls.push_back("DrawImage " + std::to_string(x) + " " + std::to_string(y) + " '" + path +
                    "' " + area);
  }
  void Sleep(std::uint32_t milliseconds) override {
    calls.push_back("Sleep " + std::to_string(milliseconds));
  }

  std::vector<std::string> calls;
};

}  // namespace lumo::test
