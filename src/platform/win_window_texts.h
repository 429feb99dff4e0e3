#pragma once
#include "announcer/window_texts.h"

namespace lumo {

// Reads other programs' windows with window messages. A window that does not answer
// WM_GETTEXT within kTextTimeoutMilliseconds gives an empty text: a hung register program
// must never freeze us.
class WinWindowTexts : public WindowTexts {
 public:
  static constexpr unsigned kTextTimeoutMilliseconds = 1000;

  WindowHandle DialogItem(WindowHandle window, std::int32_t id) override;
  std::string Text(WindowHandle window, std::size_t buffer_size) override;
  // Nothing when the window did not answer in time (or the system knows it hangs).
  std::optional<std::string> AnsweredText(WindowHandle window, std::size_t buffer_size) override;
  WindowHandle NthDescendant(WindowHandle parent, std::int32_t n) override;

  // Whether the last read got an answer; an empty text alone does not tell.
  bool LastAnswered() const { return last_answered_; }

 private:
  bool last_answered_ = true;
};

}  // namespace lumo
