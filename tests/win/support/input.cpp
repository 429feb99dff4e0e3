#include "support/input.h"

#include <utility>

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

INPUT KeyInput(WORD vk, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

void SendKey(WORD vk, bool up) {
  INPUT input = KeyInput(vk, up);
  SendInput(1, &input, sizeof(input));
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

void ClickAt(POINT screen) {
  SendMouse(0, screen);
  SendMouse(MOUSEEVENTF_LEFTDOWN, screen);
  SendMouse(MOUSEEVENTF_LEFTUP, screen);
}

}  // namespace

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

void PressCombination(std::uint32_t mod_flags, WORD virtual_key) {
  std::vector<WORD> keys;
  for (const auto& [flag, vk] : {std::pair<UINT, WORD>{MOD_CONTROL, VK_CONTROL},
                                 {MOD_ALT, VK_MENU},
                                 {MOD_SHIFT, VK_SHIFT},
                                 {MOD_WIN, VK_LWIN}}) {
    if (mod_flags & flag) {
      keys.push_back(vk);
    }
  }
  keys.push_back(virtual_key);
  // All in one call, so that nothing comes between the strokes.
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    inputs.push_back(KeyInput(key, false));
  }
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
    inputs.push_back(KeyInput(*key, true));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool CombinationIsFree(std::uint32_t mod_flags, UINT virtual_key) {
  constexpr int kProbeId = 0xBEEF;
  if (!RegisterHotKey(nullptr, kProbeId, mod_flags, virtual_key)) {
    return false;
  }
  UnregisterHotKey(nullptr, kProbeId);
  return true;
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
