#include "platform/message_loop.h"

#include <vector>

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

struct ThreadWindows {
  HWND modal;
  std::vector<HWND> windows;
};

BOOL CALLBACK CollectEnabled(HWND candidate, LPARAM param) {
  auto* state = reinterpret_cast<ThreadWindows*>(param);
  if (candidate != state->modal && IsWindowEnabled(candidate)) {
    state->windows.push_back(candidate);
  }
  return TRUE;
}

}  // namespace

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    Dispatch(msg);
  }
  return static_cast<int>(msg.wParam);
}

void RunModalLoop(HWND window, const bool& done) {
  // Every window of the thread that takes input now, the way a task-modal box does it:
  // with only the owner disabled, an editor opened over another would leave the first one
  // usable underneath.
  ThreadWindows disabled{window, {}};
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabled, reinterpret_cast<LPARAM>(&disabled));
  for (HWND other : disabled.windows) {
    EnableWindow(other, FALSE);
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
  // Enabled again before the window goes, so that its owner becomes the active window.
  for (HWND other : disabled.windows) {
    if (IsWindow(other)) {
      EnableWindow(other, TRUE);
    }
  }
}

}  // namespace lumo
