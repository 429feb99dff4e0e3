#pragma once
#include "common/code_page.h"

namespace lumo {

// Converts with the system's ANSI code page (CP_ACP).
class WinCodePage : public CodePage {
 public:
  std::string AnsiToUtf8(std::string_view ansi) const override;
  std::string Utf8ToAnsi(std::string_view utf8) const override;
  std::string Utf16ToAnsi(std::u16string_view utf16) const override;
};

// Hands the lead bytes of the system's ANSI code page to the portable text helpers
// (SetLeadByteRanges); run once, first thing at start-up.
void UseSystemLeadBytes();

}  // namespace lumo
