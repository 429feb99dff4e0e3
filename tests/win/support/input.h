#pragma once
// Input the way a person gives it, through SendInput: it goes to whatever window is under
// the pointer or has the focus.
#include <windows.h>

#include <string>

#include "till-remote/key_press.h"

namespace lumo::test {

// Clicks a point in the client coordinates of window, by default its centre.
void Click(HWND window, int x = -1, int y = -1);
void TypeText(const std::wstring& text);
// True when nobody holds the combination: it is registered for a moment and given back.
bool CombinationIsFree(UINT mod_flags, UINT virtual_key);

}  // namespace lumo::test
