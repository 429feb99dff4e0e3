#include "support/input.h"

#include <vector>

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

INPUT Key(WORD vk, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

}  // namespace

void ClickClient(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  for (DWORD flags : {0, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
    SendMouse(flags, p);
  }
}

void Click(HWND control) {
  RECT r;
  GetClientRect(control, &r);
  ClickClient(control, r.right / 2, r.bottom / 2);
}

void PressCombination(std::uint32_t mod_flags, WORD virtual_key) {
  // All in one call, so that nothing comes between the strokes.
  std::vector<WORD> modifiers;
  for (const auto& [flag, vk] : {std::pair<UINT, WORD>{MOD_CONTROL, VK_CONTROL},
                                 {MOD_ALT, VK_MENU},
                                 {MOD_SHIFT, VK_SHIFT},
                                 {MOD_WIN, VK_LWIN}}) {
    if (mod_flags & flag) {
      modifiers.push_back(vk);
    }
  }
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) {
    inputs.push_back(Key(modifier, 0));
  }
  inputs.push_back(Key(virtual_key, 0));
  inputs.push_back(Key(virtual_key, KEYEVENTF_KEYUP));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
    inputs.push_back(Key(*it, KEYEVENTF_KEYUP));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(30);
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
    PressCombination(0, static_cast<WORD>(first_letter));
  }
  PressCombination(0, VK_RETURN);
}

std::string AnsiTextOf(HWND window) {
  std::string text(static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) + 1,
                   '\0');
  text.resize(static_cast<std::size_t>(
      SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

}  // namespace lumo::test
