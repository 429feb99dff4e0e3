#pragma once
#include <windows.h>

#include <string_view>

namespace lumo::inspect {

// Text for a person. A console gets UTF-16 through WriteConsoleW, so GBK shows right
// whatever its code page; anything else (a pipe, a file, a Linux terminal under Wine) gets
// UTF-8 bytes through WriteFile. A write that fails is remembered, so that the program can
// end with exit code 1.
class ConsoleOut {
 public:
  explicit ConsoleOut(DWORD std_handle);
  void Ansi(std::string_view text);  // the system's ANSI code page
  void Utf8(std::string_view text);
  bool Failed() const { return failed_; }

 private:
  void Wide(std::wstring_view text);
  // Writes from the front of text, leaving in it what was not written.
  bool WriteConsolePieces(std::wstring_view& text);
  bool WriteFilePieces(std::string_view bytes);

  HANDLE handle_;
  bool console_;
  bool failed_ = false;
};

}  // namespace lumo::inspect
