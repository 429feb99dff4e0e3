#pragma once
// The one place where texts cross between byte code pages and UTF-16: the system's ANSI
// bytes and the UI's wide texts, and the hotkey file's UTF-8.
#include <string>
#include <string_view>

namespace lumo {

std::wstring CodePageToWide(unsigned code_page, std::string_view bytes);
std::string WideToCodePage(unsigned code_page, std::wstring_view wide);

std::wstring AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::wstring_view wide);

}  // namespace lumo
