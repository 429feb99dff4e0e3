#pragma once
// A bitmap file as Windows itself reads it, for comparing pictures as text.
#include <string>

namespace lumo::test {

// The one-bit bitmap file at path, one text line per row from the top: '.' white, '#'
// any other colour. "not a one-bit bitmap" when Windows cannot load it as one.
std::string BitmapRows(const std::string& path);

}  // namespace lumo::test
