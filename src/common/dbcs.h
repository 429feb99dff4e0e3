#pragma once
// Texts are bytes of the ANSI code page (GBK on the systems served). These helpers step
// over whole characters so that a trail byte is never taken for a marker of its own.
#include <cstddef>
#include <string_view>

namespace lumo {

// True for a byte that starts a double-byte character of code page 936.
constexpr bool IsLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

// Length in bytes of the character that starts at pos (1, or 2 for a complete pair).
std::size_t CharLengthAt(std::string_view text, std::size_t pos);

// Byte offset of the start of the last n characters of text (0 when it has fewer).
std::size_t StartOfLastChars(std::string_view text, std::size_t n);

}  // namespace lumo
