#include "platform/message_loop.h"

namespace lumo {

namespace {

void Dispatch(MSG& msg) {
  HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && (GetWindowLongW(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0 &&
      IsDialogMessageW(root, &msg)) {
    return;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

}  // namespace

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    Dispatch(msg);
  }
  return static_cast<int>(msg.wParam);
}

void RunModalLoop(HWND window, HWND owner, const bool& done) {
  const bool owner_was_enabled = owner != nullptr && IsWindowEnabled(owner);
  if (owner_was_enabled) {
    EnableWindow(owner, FALSE);
  }
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  MSG msg;
  while (!done && IsWindow(window)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    Dispatch(msg);
  }
  // Enabled again before the window goes, so that the owner becomes the active window.
  if (owner_was_enabled) {
    EnableWindow(owner, TRUE);
  }
}

}  // namespace lumo
