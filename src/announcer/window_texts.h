#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "common/window_handle.h"

namespace lumo {

// What the logic needs of other programs' windows. A window that does not answer within
// a bounded wait gives an empty text; a handle of 0 gives empty texts and 0 handles.
class WindowTexts {
 public:
  virtual ~WindowTexts() = default;
  // The control with this dialog ID inside window (GetDlgItem), 0 when there is none.
  virtual WindowHandle DialogItem(WindowHandle window, std::int32_t id) = 0;
  // WM_GETTEXT into a buffer of buffer_size bytes: the bytes before the first NUL, at most
  // buffer_size - 1 of them.
  virtual std::string Text(WindowHandle window, std::size_t buffer_size) = 0;
  // The same, but nothing when the window did not answer within the bounded wait, so that
  // a caller can tell a hung window from an empty text.
  virtual std::optional<std::string> AnsweredText(WindowHandle window, std::size_t buffer_size) {
    return Text(window, buffer_size);
  }
  // Enumerates the descendants of parent in the system's order and stops at the n-th
  // (counting from 1); the last visited window, 0 when parent has no descendants.
  virtual WindowHandle NthDescendant(WindowHandle parent, std::int32_t n) = 0;
};

// Passes every read on to another WindowTexts; a subclass changes what AnsweredText does,
// and Text follows it.
class ForwardingWindowTexts : public WindowTexts {
 public:
  explicit ForwardingWindowTexts(WindowTexts& texts) : texts_(texts) {}

  WindowHandle DialogItem(WindowHandle window, std::int32_t id) override {
    return texts_.DialogItem(window, id);
  }
  std::string Text(WindowHandle window, std::size_t buffer_size) override {
    return AnsweredText(window, buffer_size).value_or(std::string());
  }
  WindowHandle NthDescendant(WindowHandle parent, std::int32_t n) override {
    return texts_.NthDescendant(parent, n);
  }

 protected:
  WindowTexts& texts_;
};

}  // namespace lumo
