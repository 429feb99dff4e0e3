#pragma once
// The code page of the tills (GBK) through the C library's iconv, for the native tests.
#include <string>
#include <utility>

#include "common/code_page.h"

namespace lumo::test {

class IconvCodePage : public CodePage {
 public:
  // ansi: iconv's name of the code page that stands for the ANSI one.
  explicit IconvCodePage(std::string ansi = "GBK") : ansi_(std::move(ansi)) {}
  std::string AnsiToUtf8(std::string_view ansi) const override;
  std::string Utf8ToAnsi(std::string_view utf8) const override;
  std::string Utf16ToAnsi(std::u16string_view utf16) const override;

 private:
  std::string ansi_;
};

}  // namespace lumo::test
