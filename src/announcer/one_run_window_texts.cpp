#include "announcer/one_run_window_texts.h"

namespace lumo {

std::optional<std::string> OneRunWindowTexts::AnsweredText(WindowHandle window,
                                                           std::size_t buffer_size) {
  if (hung_) {
    return std::nullopt;
  }
  std::optional<std::string> text = texts_.AnsweredText(window, buffer_size);
  hung_ = !text;
  return text;
}

}  // namespace lumo
