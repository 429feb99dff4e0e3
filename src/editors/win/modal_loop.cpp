#include "editors/win/modal_loop.h"

#include <vector>

namespace lumo {

namespace {

struct DisabledWindows {
  HWND keep;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableOne(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<DisabledWindows*>(param);
  if (window != state->keep && IsWindowEnabled(window) && IsWindowVisible(window)) {
    EnableWindow(window, FALSE);
    state->windows.push_back(window);
  }
  return TRUE;
}

}  // namespace

void RunModal(HWND window, int* result) {
  DisabledWindows disabled{window, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(&disabled));
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  *result = 0;
  MSG msg;
  while (*result == 0) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      *result = IDCANCEL;
      if (got == 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));
      }
      break;
    }
    if (!IsDialogMessageW(window, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // Enable the others before hiding, so that activation goes back to one of them.
  for (HWND other : disabled.windows) {
    if (IsWindow(other)) {
      EnableWindow(other, TRUE);
    }
  }
  ShowWindow(window, SW_HIDE);
  if (HWND owner = GetWindow(window, GW_OWNER)) {
    SetActiveWindow(owner);
  }
}

HFONT EditorFont() {
  static HFONT font =
      CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
  return font;
}

HWND CreateCentredWindow(DWORD ex_style, const wchar_t* class_name, const wchar_t* caption,
                         DWORD style, int client_width, int client_height, HWND owner, void* self) {
  RECT frame{0, 0, client_width, client_height};
  AdjustWindowRectEx(&frame, style, FALSE, ex_style);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return CreateWindowExW(ex_style, class_name, caption, style, x, y, width, height, owner, nullptr,
                         GetModuleHandleW(nullptr), self);
}

}  // namespace lumo
