#include "platform/window_title.h"

#include <vector>

namespace lumo {

namespace {
// Long enough for a busy register to answer, short enough that polling stays responsive.
constexpr UINT kTitleWaitMs = 1000;
}  // namespace

std::string ReadWindowTitle(HWND window, std::size_t buffer_size) {
  std::vector<char> buffer(buffer_size + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer_size, reinterpret_cast<LPARAM>(buffer.data()),
                           SMTO_ABORTIFHUNG | SMTO_BLOCK, kTitleWaitMs, &copied)) {
    return {};
  }
  buffer[buffer_size > 0 ? buffer_size - 1 : 0] = '\0';
  return std::string(buffer.data());
}

}  // namespace lumo
