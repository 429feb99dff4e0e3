#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumo {

// The one integer form of profile values and command references: leading spaces, an
// optional sign, then decimal digits within the signed 32-bit range, or hex digits after
// "$", "x", "X", "0x" or "0X" whose value fits 32 bits (leading zeros allowed), taken as a
// 32-bit two's-complement pattern.
// The whole text must be the number; anything else gives nothing.
std::optional<std::int32_t> TextToInt32(std::string_view text);

// 0 to 15 for a hex digit of either case, -1 for any other character.
int HexDigitValue(char c);

}  // namespace lumo
