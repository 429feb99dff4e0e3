#include "platform/win_code_page.h"

#include <windows.h>

namespace lumo {

namespace {

std::wstring ToWide(unsigned code_page, std::string_view bytes) {
  if (bytes.empty()) {
    return {};
  }
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(code_page, 0, bytes.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

std::string FromWide(unsigned code_page, const wchar_t* wide, std::size_t count) {
  if (count == 0) {
    return {};
  }
  const int size = static_cast<int>(count);
  const int length = WideCharToMultiByte(code_page, 0, wide, size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, wide, size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::string WinCodePage::AnsiToUtf8(std::string_view ansi) const {
  const std::wstring wide = ToWide(CP_ACP, ansi);
  return FromWide(CP_UTF8, wide.data(), wide.size());
}

std::string WinCodePage::Utf8ToAnsi(std::string_view utf8) const {
  const std::wstring wide = ToWide(CP_UTF8, utf8);
  return FromWide(CP_ACP, wide.data(), wide.size());
}

std::string WinCodePage::Utf16ToAnsi(std::u16string_view utf16) const {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return FromWide(CP_ACP, reinterpret_cast<const wchar_t*>(utf16.data()), utf16.size());
}

}  // namespace lumo
