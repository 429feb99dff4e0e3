#include "console_out.h"

#include <algorithm>
#include <string>

#include "platform/ansi_text.h"

namespace lumo::inspect {

namespace {

// Windows 7 fails a WriteConsoleW of more than about 64 KB (its buffer is shared with the
// console host); pieces of 8,192 characters (16 KB) stay well inside that.
constexpr std::size_t kConsolePiece = 8192;
constexpr DWORD kFilePiece = 64 * 1024;

bool IsHighSurrogate(wchar_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

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
  if (text.empty() || failed_) {
    return;
  }
  if (handle_ == nullptr || handle_ == INVALID_HANDLE_VALUE) {
    failed_ = true;
    return;
  }
  // What a console refuses as characters it may still take as bytes.
  if (console_ && WriteConsolePieces(text)) {
    return;
  }
  failed_ = !WriteFilePieces(WideToCodePage(CP_UTF8, text));
}

bool ConsoleOut::WriteConsolePieces(std::wstring_view& text) {
  while (!text.empty()) {
    std::size_t piece = std::min(text.size(), kConsolePiece);
    // A surrogate pair stays in one piece.
    if (piece < text.size() && piece > 1 && IsHighSurrogate(text[piece - 1])) {
      --piece;
    }
    DWORD written = 0;
    if (!WriteConsoleW(handle_, text.data(), static_cast<DWORD>(piece), &written, nullptr) ||
        written == 0) {
      return false;
    }
    text.remove_prefix(std::min<std::size_t>(written, text.size()));
  }
  return true;
}

bool ConsoleOut::WriteFilePieces(std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kFilePiece));
    DWORD written = 0;
    if (!WriteFile(handle_, bytes.data(), piece, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace lumo::inspect
