#pragma once
// The machine around the portable code, as small as a fuzz target needs it: a profile of
// values, a timer, a register of texts and an announcer that forget what they are given.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "announcer/announcer.h"
#include "announcer/window_texts.h"
#include "common/clock.h"
#include "screendef/capture_timer.h"
#include "screendef/profile_reader.h"

namespace lumo::fuzz {

class ProfileValues : public ProfileReader {
 public:
  void Set(const std::string& section, const std::string& key, const std::string& value) {
    values_[{section, key}] = value;
  }
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const override {
    const auto found = values_.find({section, key});
    return found == values_.end() ? default_value : found->second;
  }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

struct IdleTimer : CaptureTimer {
  void SetEnabled(bool) override {}
  void SetInterval(std::uint32_t) override {}
};

struct QuietAnnouncer : Announcer, Sleeper {
  void Cls(std::int32_t) override {}
  void PrintText(std::int32_t, std::int32_t, const std::string&) override {}
  void SoundOut(const std::string&) override {}
  void DrawImage(std::int32_t, std::int32_t, const std::string&, const AnnouncerRect*) override {}
  void Sleep(std::uint32_t) override {}
};

// Controls 1..n of the register by dialog ID, the same texts as its descendants 1..n.
class RegisterTexts : public WindowTexts {
 public:
  static constexpr WindowHandle kRegister = 0x10;
  explicit RegisterTexts(std::vector<std::string> texts) : texts_(std::move(texts)) {}
  WindowHandle DialogItem(WindowHandle window, std::int32_t id) override {
    return window == kRegister ? NthDescendant(window, id) : 0;
  }
  std::string Text(WindowHandle window, std::size_t) override {
    return window >= 1 && window <= texts_.size() ? texts_[window - 1] : std::string();
  }
  WindowHandle NthDescendant(WindowHandle parent, std::int32_t n) override {
    return parent == kRegister && n >= 1 && static_cast<std::size_t>(n) <= texts_.size()
               ? static_cast<WindowHandle>(n)
               : 0;
  }

 private:
  std::vector<std::string> texts_;
};

}  // namespace lumo::fuzz
