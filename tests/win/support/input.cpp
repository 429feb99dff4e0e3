#include "support/input.h"

namespace lumo::test {

namespace {

void SendMouse(DWORD flags, POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute coordinates are in 0..65535 over the primary screen.
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  SendInput(1, &input, sizeof(input));
  Sleep(30);
}

void SendKey(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

}  // namespace

void ClickAt(POINT screen) {
  SendMouse(0, screen);
  SendMouse(MOUSEEVENTF_LEFTDOWN, screen);
  SendMouse(MOUSEEVENTF_LEFTUP, screen);
}

void ClickClient(HWND window, int x, int y) {
  ClickAt(ClientToScreenPoint(window, x, y));
}

void Click(HWND control) {
  RECT r;
  GetClientRect(control, &r);
  ClickClient(control, r.right / 2, r.bottom / 2);
}

void PressMouse(HWND window, int x, int y) {
  const POINT p = ClientToScreenPoint(window, x, y);
  SendMouse(0, p);
  SendMouse(MOUSEEVENTF_LEFTDOWN, p);
}

void ReleaseMouse() {
  POINT p;
  GetCursorPos(&p);
  SendMouse(MOUSEEVENTF_LEFTUP, p);
}

void PressKey(WORD vk, const std::vector<WORD>& modifiers) {
  for (WORD modifier : modifiers) {
    SendKey(modifier, false);
  }
  SendKey(vk, false);
  SendKey(vk, true);
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
    SendKey(*it, true);
  }
  Sleep(30);
}

void TypeText(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT input[2] = {};
    for (INPUT& one : input) {
      one.type = INPUT_KEYBOARD;
      one.ki.wScan = c;
      one.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
    Sleep(10);
  }
  Sleep(30);
}

void ChooseComboItem(HWND combo, char first_letter, int index) {
  Click(combo);
  for (int tries = 0; tries < 20; ++tries) {
    PressKey(static_cast<WORD>(first_letter));
    if (SendMessageA(combo, CB_GETCURSEL, 0, 0) == index) {
      break;
    }
  }
  PressKey(VK_RETURN);
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

RECT CaretOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.rcCaret;
}

std::string AnsiTextOf(HWND window) {
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

}  // namespace lumo::test
