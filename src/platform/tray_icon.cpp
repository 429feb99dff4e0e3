#include "platform/tray_icon.h"

#include <shellapi.h>

#include <cstring>

#include "common/dbcs.h"

namespace lumo {

namespace {

// The first, smallest form of the structure: every shell version understands it. The shell
// tells the forms apart by size, 88 bytes in the 32-bit build that tills run.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);
NOTIFYICONDATAA IconData(HWND owner, UINT callback_message) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = owner;
  data.uID = 0;
  data.uCallbackMessage = callback_message;
  return data;
}

}  // namespace

void AddTrayIcon(HWND owner, UINT callback_message, HICON icon, const std::string& tip) {
  NOTIFYICONDATAA data = IconData(owner, callback_message);
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.hIcon = icon;
  std::size_t length = 0;
  while (length < tip.size()) {
    const std::size_t next = length + CharLengthAt(tip, length);
    if (next > 63) {
      break;
    }
    length = next;
  }
  std::memcpy(data.szTip, tip.data(), length);
  data.szTip[length] = '\0';
  Shell_NotifyIconA(NIM_ADD, &data);
}

void RemoveTrayIcon(HWND owner, UINT callback_message) {
  NOTIFYICONDATAA data = IconData(owner, callback_message);
  Shell_NotifyIconA(NIM_DELETE, &data);
}

}  // namespace lumo
