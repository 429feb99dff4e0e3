#pragma once
// The one place where texts cross between the system's ANSI bytes and the UI's UTF-16.
#include <string>
#include <string_view>

namespace lumo {

std::wstring AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::wstring_view wide);

}  // namespace lumo
