#pragma once
// The code page of the tills (GBK) for the unit suite: the C library's iconv natively,
// the system's code page 936 in the 32-bit Windows build (win_code_page_936.cpp).
#include <string>
#include <utility>

#include "common/code_page.h"
#include "common/dbcs.h"

namespace lumo::test {

// The lead bytes of code page 936, which the suite steps over texts with, as on a till.
inline constexpr LeadByteRange kCodePage936LeadBytes[] = {{0x81, 0xFE}};

class IconvCodePage : public CodePage {
 public:
  // ansi: iconv's name of the code page that stands for the ANSI one (native builds; the
  // 32-bit Windows build always uses the system's).
  explicit IconvCodePage(std::string ansi = "GBK") : ansi_(std::move(ansi)) {}
  std::string AnsiToUtf8(std::string_view ansi) const override;
  std::string Utf8ToAnsi(std::string_view utf8) const override;
  std::string Utf16ToAnsi(std::u16string_view utf16) const override;

 private:
  std::string ansi_;
};

}  // namespace lumo::test
