// The 32-bit Windows build of the unit suite converts as the tills do: through the system's
// own code page, which must be 936 (GBK) for the suite's expectations to hold.
#include <windows.h>

#include <stdexcept>

#include "platform/win_code_page.h"
#include "support/iconv_code_page.h"

namespace lumo::test {

namespace {

const WinCodePage& System() {
  if (GetACP() != 936) {
    throw std::runtime_error("the unit suite needs code page 936, the system has another");
  }
  static const WinCodePage code_page;
  return code_page;
}

}  // namespace

std::string IconvCodePage::AnsiToUtf8(std::string_view ansi) const {
  return System().AnsiToUtf8(ansi);
}

std::string IconvCodePage::Utf8ToAnsi(std::string_view utf8) const {
  return System().Utf8ToAnsi(utf8);
}

std::string IconvCodePage::Utf16ToAnsi(std::u16string_view utf16) const {
  return System().Utf16ToAnsi(utf16);
}

}  // namespace lumo::test
