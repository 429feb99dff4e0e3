#include "support/input.h"

namespace lumo::test {

void Click(HWND window, int x, int y) {
  RECT r;
  GetClientRect(window, &r);
  POINT p{x < 0 ? r.right / 2 : x, y < 0 ? r.bottom / 2 : y};
  ClientToScreen(window, &p);
  for (DWORD flags : {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute coordinates are in 0..65535 over the primary screen.
    input.mi.dx = MulDiv(p.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(p.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof(input));
    Sleep(30);
  }
}

void TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT input[2] = {};
    for (INPUT& stroke : input) {
      stroke.type = INPUT_KEYBOARD;
      stroke.ki.wScan = c;
      stroke.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(10);
  }
  Sleep(30);
}

bool CombinationIsFree(UINT mod_flags, UINT virtual_key) {
  constexpr int kProbeId = 0xBEEF;
  return RegisterHotKey(nullptr, kProbeId, mod_flags, virtual_key) &&
         UnregisterHotKey(nullptr, kProbeId);
}

}  // namespace lumo::test
