#include "platform/system_error.h"

#include <windows.h>

namespace lumo {

std::string SystemErrorText(std::uint32_t code) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = buffer ? std::string(buffer, length) : std::string();
  LocalFree(buffer);
  while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.')) {
    text.pop_back();
  }
  if (text.empty()) {
    text = "System error " + std::to_string(code);
  }
  return text;
}

}  // namespace lumo
