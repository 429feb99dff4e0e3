#include "support/keyboard.h"

#include <vector>

namespace lumo::test {

void PressCombination(std::uint32_t mod_flags, WORD virtual_key) {
  std::vector<WORD> keys;
  if (mod_flags & MOD_CONTROL)
    keys.push_back(VK_CONTROL);
  if (mod_flags & MOD_ALT)
    keys.push_back(VK_MENU);
  if (mod_flags & MOD_SHIFT)
    keys.push_back(VK_SHIFT);
  if (mod_flags & MOD_WIN)
    keys.push_back(VK_LWIN);
  keys.push_back(virtual_key);
  std::vector<INPUT> inputs;
  for (WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
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

}  // namespace lumo::test
