#pragma once
#include "announcer/window_texts.h"

namespace lumo {

// The register window's texts for one command run. Once a read has timed out, the rest of
// the run treats the window as hung: its texts are empty and nothing waits again, so a hung
// register costs one timeout per run, not one per reference. The next run asks again.
class OneRunWindowTexts : public WindowTexts {
 public:
  explicit OneRunWindowTexts(WindowTexts& texts) : texts_(texts) {}

  WindowHandle DialogItem(WindowHandle window, std::int32_t id) override {
    return texts_.DialogItem(window, id);
  }
  std::string Text(WindowHandle window, std::size_t buffer_size) override {
    return AnsweredText(window, buffer_size).value_or(std::string());
  }
  std::optional<std::string> AnsweredText(WindowHandle window, std::size_t buffer_size) override;
  WindowHandle NthDescendant(WindowHandle parent, std::int32_t n) override {
    return texts_.NthDescendant(parent, n);
  }

 private:
  WindowTexts& texts_;
  bool hung_ = false;
};

}  // namespace lumo
