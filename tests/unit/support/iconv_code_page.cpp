#include "support/iconv_code_page.h"

#include <iconv.h>

#include <stdexcept>

namespace lumo::test {

namespace {

// Converts what it can; a sequence the target lacks becomes "?", as Windows does.
std::string Convert(const char* to, const char* from, const char* data, std::size_t size,
                    std::size_t unit) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("iconv cannot convert");
  }
  std::string out;
  char* in = const_cast<char*>(data);
  std::size_t in_left = size;
  char chunk[256];
  while (in_left > 0) {
    char* out_ptr = chunk;
    std::size_t out_left = sizeof chunk;
    std::size_t result = iconv(cd, &in, &in_left, &out_ptr, &out_left);
    out.append(chunk, static_cast<std::size_t>(out_ptr - chunk));
    if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out += '?';
      const std::size_t skip = std::min(unit, in_left);
      in += skip;
      in_left -= skip;
    }
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string IconvCodePage::AnsiToUtf8(std::string_view ansi) const {
  return Convert("UTF-8", ansi_.c_str(), ansi.data(), ansi.size(), 1);
}

std::string IconvCodePage::Utf8ToAnsi(std::string_view utf8) const {
  return Convert(ansi_.c_str(), "UTF-8", utf8.data(), utf8.size(), 1);
}

std::string IconvCodePage::Utf16ToAnsi(std::u16string_view utf16) const {
  return Convert(ansi_.c_str(), "UTF-16LE", reinterpret_cast<const char*>(utf16.data()),
                 utf16.size() * 2, 2);
}

}  // namespace lumo::test
