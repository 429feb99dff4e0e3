#include "support/message_box.h"

#include "support/process.h"

namespace lumo::test {

HWND WaitForMessageBox(DWORD process_id, const std::string& title,
                       std::chrono::milliseconds timeout) {
  return WaitForProcessWindow(process_id, "#32770", title, nullptr, timeout);
}

std::wstring MessageBoxText(HWND box) {
  return TextOf(GetDlgItem(box, 0xFFFF));  // the static control of the message
}

bool HasIcon(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char class_name[32] = {};
    GetClassNameA(child, class_name, sizeof class_name);
    if (lstrcmpiA(class_name, "Static") == 0 &&
        (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
        SendMessageW(child, STM_GETICON, 0, 0) != 0) {
      return true;
    }
  }
  return false;
}

bool PressButton(HWND box, int id) {
  HWND button = GetDlgItem(box, id);
  // Posted: the box's owner may do long work once it returns.
  return button != nullptr && PostMessageW(button, BM_CLICK, 0, 0) &&
         WaitUntil([box] { return !IsWindow(box); });
}

}  // namespace lumo::test
