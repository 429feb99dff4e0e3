#pragma once
// The machine around the portable code as plain data: a register window's texts, an
// announcer and a capture timer that record what they are given.
#include <map>
#include <string>
#include <vector>

#include "announcer/announcer.h"
#include "announcer/window_texts.h"
#include "common/clock.h"
#include "screendef/capture_timer.h"

namespace lumo::test {

constexpr WindowHandle kRegister = 0x100;
constexpr WindowHandle kFirstControl = 0x10000;  // control handles: this plus the dialog ID

// Controls by dialog ID and descendants (handles 1, 2, ...) of kRegister. Texts come back
// whole, so that cutting them to the buffer is the caller's business.
class FakeWindowTexts : public WindowTexts {
 public:
  std::map<std::int32_t, std::string> controls;
  std::vector<std::string> descendants;
  int dialog_item_calls = 0;
  std::vector<std::size_t> buffer_sizes;

  WindowHandle DialogItem(WindowHandle window, std::int32_t id) override {
    ++dialog_item_calls;
    return window == kRegister && controls.count(id) ? kFirstControl + id : 0;
  }
  std::string Text(WindowHandle window, std::size_t buffer_size) override {
    buffer_sizes.push_back(buffer_size);
    return window >= kFirstControl ? controls.at(static_cast<std::int32_t>(window - kFirstControl))
                                   : descendants.at(window - 1);
  }
  // The n-th descendant, the last one for an n out of range.
  WindowHandle NthDescendant(WindowHandle parent, std::int32_t n) override {
    const auto count = static_cast<std::int32_t>(descendants.size());
    return parent != kRegister ? 0 : n >= 1 && n <= count ? n : count;
  }
};

// The announcer and the wait after a clear, in one list of calls.
class RecordingAnnouncer : public Announcer, public Sleeper {
 public:
  std::vector<std::string> calls;

  void Cls(std::int32_t mode) override { calls.push_back("Cls " + std::to_string(mode)); }
  void PrintText(std::int32_t first, std::int32_t line, const std::string& text) override {
    calls.push_back("PrintText " + std::to_string(first) + " " + std::to_string(line) + " '" +
                    text + "'");
  }
  void SoundOut(const std::string& text) override { calls.push_back("SoundOut '" + text + "'"); }
  void DrawImage(std::int32_t, std::int32_t, const std::string&, const AnnouncerRect*) override {
    calls.push_back("DrawImage");
  }
  void Sleep(std::uint32_t milliseconds) override {
    calls.push_back("Sleep " + std::to_string(milliseconds));
  }
};

struct RecordingTimer : CaptureTimer {
  std::string calls;
  void SetEnabled(bool value) override { calls += " enabled " + std::to_string(value); }
  void SetInterval(std::uint32_t ms) override { calls += " interval " + std::to_string(ms); }
};

}  // namespace lumo::test
