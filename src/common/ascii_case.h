#pragma once
// Case folding of ASCII letters only: the other bytes of an ANSI text, GBK lead and trail
// bytes included, stay as they are.
#include <string>
#include <string_view>

namespace lumo {

constexpr char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string AsciiUpper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    c = AsciiUpper(c);
  }
  return upper;
}

}  // namespace lumo
