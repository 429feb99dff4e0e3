#include "capture/compose.h"

namespace lumo {

std::int64_t PlaceWidth(std::int64_t width, std::int64_t height) {
  return width * kPlaceHeight / height;
}

void PlacePrompt(const PromptMask& prompt, DisplayPicture& picture, std::int64_t x,
                 std::int64_t y) {
  const compose_detail::Span rows = compose_detail::Clip(y, prompt.height, kDisplayHeight);
  const compose_detail::Span columns = compose_detail::Clip(x, prompt.width, kDisplayWidth);
  for (std::int64_t py = rows.begin; py < rows.end; ++py) {
    for (std::int64_t px = columns.begin; px < columns.end; ++px) {
      const bool ink = prompt.InkAt(static_cast<int>(px - x), static_cast<int>(py - y));
      picture.Set(static_cast<int>(px), static_cast<int>(py), !ink);
    }
  }
}

}  // namespace lumo
