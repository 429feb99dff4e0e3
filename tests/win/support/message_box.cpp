#include "support/message_box.h"

#include "support/process.h"
#include "support/window_text.h"

namespace lumo::test {

HWND WaitForMessageBox(DWORD process_id, const std::string& title,
                       std::chrono::milliseconds timeout) {
  return WaitForProcessWindow(process_id, "#32770", title, nullptr, timeout);
}

std::wstring MessageBoxText(HWND box) {
  // The message text is the static control with identifier 0xFFFF.
  return TextOf(GetDlgItem(box, 0xFFFF));
}

bool HasIcon(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char class_name[32] = {};
    GetClassNameA(child, class_name, sizeof class_name);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(class_name, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
        IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0) != 0) {
      return true;
    }
  }
  return false;
}

bool HasButton(HWND box, int id) {
  return GetDlgItem(box, id) != nullptr;
}

bool PressButton(HWND box, int id) {
  HWND button = GetDlgItem(box, id);
  if (button == nullptr) {
    return false;
  }
  // Posted: the box's owner may do long work once it returns.
  PostMessageW(button, BM_CLICK, 0, 0);
  return WaitUntil([box] { return !IsWindow(box); });
}

}  // namespace lumo::test
