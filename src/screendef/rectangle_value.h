#pragma once
#include <optional>
#include <string_view>

#include "screendef/capture_action.h"

namespace lumo {

// A "RECT" value: items split like an action list with "," in the place of "&", the first
// four converted in the order Left, Top, Right, Bottom, any further ones ignored. Nothing
// when there are fewer than four items or one of the first four is no integer (an empty
// item is none): unlike a key's value, an item has no default.
std::optional<CaptureRectangle> ParseRectangle(std::string_view value);

}  // namespace lumo
