#include "support/window_text.h"

namespace lumo::test {

std::wstring TextOf(HWND window) {
  wchar_t buffer[512] = {};
  DWORD_PTR copied = 0;
  if (window == nullptr ||
      !SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 2000, &copied)) {
    return {};
  }
  return buffer;
}

}  // namespace lumo::test
