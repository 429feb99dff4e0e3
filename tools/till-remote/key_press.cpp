#include "till-remote/key_press.h"

#include <utility>
#include <vector>

namespace lumo {

namespace {

INPUT Key(WORD virtual_key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  return input;
}

}  // namespace

void PressCombination(UINT mod_flags, WORD virtual_key) {
  std::vector<WORD> held;
  for (const auto& [flag, modifier] : {std::pair<UINT, WORD>{MOD_CONTROL, VK_CONTROL},
                                       {MOD_ALT, VK_MENU},
                                       {MOD_SHIFT, VK_SHIFT},
                                       {MOD_WIN, VK_LWIN}}) {
    if (mod_flags & flag) {
      held.push_back(modifier);
    }
  }
  std::vector<INPUT> inputs;
  for (WORD modifier : held) {
    inputs.push_back(Key(modifier, 0));
  }
  inputs.push_back(Key(virtual_key, 0));
  inputs.push_back(Key(virtual_key, KEYEVENTF_KEYUP));
  for (auto it = held.rbegin(); it != held.rend(); ++it) {
    inputs.push_back(Key(*it, KEYEVENTF_KEYUP));
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace lumo
