#pragma once
// Key strokes through the system's input queue, as a keyboard gives them.
#include <windows.h>

namespace lumo {

// Taps the key while the modifiers (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN) are held, all
// in one SendInput call so that no other input comes between the strokes.
void PressCombination(UINT mod_flags, WORD virtual_key);

}  // namespace lumo
