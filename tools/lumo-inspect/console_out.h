#pragma once
#include <windows.h>

#include <string_view>

namespace lumo::inspect {

// Text for a person. A console gets UTF-16 through WriteConsoleW, so GBK shows right
// whatever its code page; anything else (a pipe, a file, a Linux terminal under Wine) gets
// UTF-8 bytes.
class ConsoleOut {
 public:
  explicit ConsoleOut(DWORD std_handle);
  void Ansi(std::string_view text);  // the system's ANSI code page
  void Utf8(std::string_view text);

 private:
  void Wide(std::wstring_view text);

  HANDLE handle_;
  bool console_;
};

}  // namespace lumo::inspect
