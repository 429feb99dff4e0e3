#include "screendef/rectangle_value.h"

#include <string>
#include <vector>

#include "common/number_text.h"
#include "screendef/token_split.h"

namespace lumo {

std::optional<CaptureRectangle> ParseRectangle(std::string_view value) {
  const std::vector<std::string> items = SplitTokens(value, ',');
  if (items.size() < 4) {
    return std::nullopt;
  }
  std::int32_t numbers[4];
  for (int i = 0; i < 4; ++i) {
    const std::optional<std::int32_t> number = TextToInt32(items[i]);
    if (!number) {
      return std::nullopt;
    }
    numbers[i] = *number;
  }
  return CaptureRectangle{numbers[0], numbers[1], numbers[2], numbers[3]};
}

}  // namespace lumo
