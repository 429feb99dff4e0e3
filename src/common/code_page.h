#pragma once
// Conversions between the system's ANSI code page and Unicode. Texts in the system stay ANSI
// bytes; only the hotkey file stores Unicode forms.
#include <string>
#include <string_view>

namespace lumo {

class CodePage {
 public:
  virtual ~CodePage() = default;
  virtual std::string AnsiToUtf8(std::string_view ansi) const = 0;
  // Characters the ANSI code page lacks come out as the code page's default character.
  virtual std::string Utf8ToAnsi(std::string_view utf8) const = 0;
  virtual std::string Utf16ToAnsi(std::u16string_view utf16) const = 0;
};

}  // namespace lumo
