#include "console_out.h"

#include <string>

#include "platform/ansi_text.h"

namespace lumo::inspect {

ConsoleOut::ConsoleOut(DWORD std_handle) : handle_(GetStdHandle(std_handle)) {
  DWORD mode = 0;
  console_ = GetConsoleMode(handle_, &mode) != FALSE;
}

void ConsoleOut::Ansi(std::string_view text) {
  Wide(CodePageToWide(CP_ACP, text));
}

void ConsoleOut::Utf8(std::string_view text) {
  Wide(CodePageToWide(CP_UTF8, text));
}

void ConsoleOut::Wide(std::wstring_view text) {
  if (text.empty() || handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
    return;
  }
  DWORD written = 0;
  if (console_) {
    WriteConsoleW(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return;
  }
  const std::string bytes = WideToCodePage(CP_UTF8, text);
  WriteFile(handle_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace lumo::inspect
