#include "common/number_text.h"

namespace lumo {

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

std::optional<std::int32_t> TextToInt32(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') {
    ++pos;
  }
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  std::string_view rest = text.substr(pos);
  if (rest.empty()) {
    return std::nullopt;
  }

  std::size_t prefix = 0;
  if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X') {
    prefix = 1;
  } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    prefix = 2;
  }

  if (prefix > 0) {
    std::string_view digits = rest.substr(prefix);
    if (digits.empty()) {
      return std::nullopt;
    }
    // Any number of digits, as long as the value fits the 32-bit pattern: leading zeros
    // are as harmless here as in decimal.
    std::uint64_t wide = 0;
    for (char c : digits) {
      int value = HexDigitValue(c);
      if (value < 0) {
        return std::nullopt;
      }
      wide = wide * 16 + static_cast<std::uint64_t>(value);
      if (wide > 0xFFFFFFFFu) {
        return std::nullopt;
      }
    }
    auto pattern = static_cast<std::uint32_t>(wide);
    // Negation wraps like the 32-bit register it models.
    if (negative) {
      pattern = 0u - pattern;
    }
    return static_cast<std::int32_t>(pattern);
  }

  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  for (char c : rest) {
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) {
      return std::nullopt;
    }
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace lumo
