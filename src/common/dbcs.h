#pragma once
// Texts are bytes of the system's ANSI code page (GBK on the systems served). These helpers
// step over whole characters so that a trail byte is never taken for a marker of its own.
#include <cstddef>
#include <span>
#include <string_view>

namespace lumo {

// Bytes first to last (inclusive) start a double-byte character.
struct LeadByteRange {
  unsigned char first;
  unsigned char last;
};

// The lead bytes of the ANSI code page in use. The code page is the process's and never
// changes while it runs, so it is set once, at start-up, before any text is stepped over:
// the program asks the system, the native tests set code page 936 in their main. Until
// then every byte is a character of its own.
void SetLeadByteRanges(std::span<const LeadByteRange> ranges);

// True for a byte that starts a double-byte character of that code page.
bool IsLeadByte(unsigned char byte);

// Length in bytes of the character that starts at pos (1, or 2 for a complete pair).
std::size_t CharLengthAt(std::string_view text, std::size_t pos);

// Byte offset of the start of the last n characters of text (0 when it has fewer).
std::size_t StartOfLastChars(std::string_view text, std::size_t n);

}  // namespace lumo
