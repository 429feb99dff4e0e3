#pragma once
// Key strokes through the system's input queue, as a keyboard gives them.
#include <windows.h>

#include <vector>

namespace lumo {

// Taps the key while the modifiers (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN) are held, all
// in one SendInput call so that no other input comes between the strokes.
inline void PressCombination(UINT mod_flags, WORD virtual_key) {
  std::vector<INPUT> inputs;
  const auto add = [&inputs](WORD key, bool first, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = flags;
    inputs.insert(first ? inputs.begin() : inputs.end(), input);
  };
  add(virtual_key, false, 0);
  add(virtual_key, false, KEYEVENTF_KEYUP);
  // Each modifier around what is there so far: Ctrl goes down first and up last.
  constexpr UINT kFlags[] = {MOD_WIN, MOD_SHIFT, MOD_ALT, MOD_CONTROL};
  constexpr WORD kModifiers[] = {VK_LWIN, VK_SHIFT, VK_MENU, VK_CONTROL};
  for (int i = 0; i < 4; ++i) {
    if (mod_flags & kFlags[i]) {
      add(kModifiers[i], true, 0);
      add(kModifiers[i], false, KEYEVENTF_KEYUP);
    }
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace lumo
