#pragma once
// Key presses as a person makes them: through the system's input queue.
#include <windows.h>

#include <cstdint>

namespace lumo::test {

// Presses the modifiers (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN flags) and the key with
// SendInput, then releases them in reverse order.
void PressCombination(std::uint32_t mod_flags, WORD virtual_key);

// True when nobody holds the combination: it is registered for a moment and given back.
bool CombinationIsFree(std::uint32_t mod_flags, UINT virtual_key);

}  // namespace lumo::test
