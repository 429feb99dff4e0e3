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

POINT OnScreen(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

INPUT Key(WORD vk, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

GUITHREADINFO GuiThreadOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info;
}

}  // namespace

void ClickClient(HWND window, int x, int y) {
  PressMouse(window, x, y);
  ReleaseMouse();
}

void Click(HWND control) {
  RECT r;
  GetClientRect(control, &r);
  ClickClient(control, r.right / 2, r.bottom / 2);
}

void PressMouse(HWND window, int x, int y) {
  SendMouse(0, OnScreen(window, x, y));
  SendMouse(MOUSEEVENTF_LEFTDOWN, OnScreen(window, x, y));
}

void ReleaseMouse() {
  POINT p;
  GetCursorPos(&p);
  SendMouse(MOUSEEVENTF_LEFTUP, p);
}

void PressKey(WORD vk, const std::vector<WORD>& modifiers) {
  // All in one call, so that nothing comes between the strokes.
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) {
    inputs.push_back(Key(modifier, 0));
  }
  inputs.push_back(Key(vk, 0));
  inputs.push_back(Key(vk, KEYEVENTF_KEYUP));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
    inputs.push_back(Key(*it, KEYEVENTF_KEYUP));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(30);
}

void PressCombination(std::uint32_t mod_flags, WORD virtual_key) {
  std::vector<WORD> modifiers;
  for (const auto& [flag, vk] : {std::pair<UINT, WORD>{MOD_CONTROL, VK_CONTROL},
                                 {MOD_ALT, VK_MENU},
                                 {MOD_SHIFT, VK_SHIFT},
                                 {MOD_WIN, VK_LWIN}}) {
    if (mod_flags & flag) {
      modifiers.push_back(vk);
    }
  }
  PressKey(virtual_key, modifiers);
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
    INPUT input[2] = {Key(0, KEYEVENTF_UNICODE), Key(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)};
    input[0].ki.wScan = input[1].ki.wScan = c;
    SendInput(2, input, sizeof(INPUT));
    Sleep(10);
  }
  Sleep(30);
}

void ChooseComboItem(HWND combo, char first_letter, int index) {
  Click(combo);
  for (int tries = 0; tries < 20 && SendMessageA(combo, CB_GETCURSEL, 0, 0) != index; ++tries) {
    PressKey(static_cast<WORD>(first_letter));
  }
  PressKey(VK_RETURN);
}

HWND FocusOf(HWND window) {
  return GuiThreadOf(window).hwndFocus;
}

RECT CaretOf(HWND window) {
  return GuiThreadOf(window).rcCaret;
}

std::string AnsiTextOf(HWND window) {
  std::string text(static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                   '\0');
  text.resize(static_cast<std::size_t>(
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

}  // namespace lumo::test
