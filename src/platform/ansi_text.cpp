#include "platform/ansi_text.h"

#include <windows.h>

namespace lumo {

std::wstring CodePageToWide(unsigned code_page, std::string_view bytes) {
  if (bytes.empty()) {
    return {};
  }
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(code_page, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

std::string WideToCodePage(unsigned code_page, std::wstring_view wide) {
  if (wide.empty()) {
    return {};
  }
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

std::wstring AnsiToWide(std::string_view ansi) {
  return CodePageToWide(CP_ACP, ansi);
}

std::string WideToAnsi(std::wstring_view wide) {
  return WideToCodePage(CP_ACP, wide);
}

}  // namespace lumo
