#pragma once
// The code page of the tills (GBK) through the C library's iconv, for the native tests.
#include <iconv.h>

#include <stdexcept>
#include <string>

#include "common/code_page.h"

namespace lumo::test {

class IconvCodePage : public CodePage {
 public:
  std::string AnsiToUtf8(std::string_view ansi) const override {
    return Convert("UTF-8", "GBK", ansi.data(), ansi.size());
  }
  std::string Utf8ToAnsi(std::string_view utf8) const override {
    return Convert("GBK", "UTF-8", utf8.data(), utf8.size());
  }
  std::string Utf16ToAnsi(std::u16string_view utf16) const override {
    return Convert("GBK", "UTF-16LE", reinterpret_cast<const char*>(utf16.data()),
                   utf16.size() * 2);
  }

 private:
  // The tests convert only texts that the target can hold.
  static std::string Convert(const char* to, const char* from, const char* data, std::size_t size) {
    iconv_t cd = iconv_open(to, from);
    std::string out(size * 2 + 4, '\0');
    char* in = const_cast<char*>(data);
    char* at = out.data();
    std::size_t out_left = out.size();
    const std::size_t result = iconv(cd, &in, &size, &at, &out_left);
    iconv_close(cd);
    if (result == static_cast<std::size_t>(-1)) {
      throw std::runtime_error("iconv cannot convert");
    }
    out.resize(out.size() - out_left);
    return out;
  }
};

}  // namespace lumo::test
