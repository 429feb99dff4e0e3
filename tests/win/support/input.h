#pragma once
// Input the way a person gives it: mouse clicks and key strokes through SendInput, which go
// to whatever window is under the pointer or has the focus.
#include <windows.h>

#include <cstdint>
#include <string>

namespace lumo::test {

// Clicks a point in the client coordinates of window, or the centre of a control.
void ClickClient(HWND window, int x, int y);
void Click(HWND control);
// Taps one key while the modifiers (MOD_ALT, MOD_CONTROL, MOD_SHIFT, MOD_WIN) are held.
void PressCombination(std::uint32_t mod_flags, WORD virtual_key);
// True when nobody holds the combination: it is registered for a moment and given back.
bool CombinationIsFree(std::uint32_t mod_flags, UINT virtual_key);
// Types text character by character.
void TypeText(const std::wstring& text);
// Chooses item index of a drop-down list from any process: a click opens it, the item's
// first letter is typed until the item is selected, Enter closes the list on it.
void ChooseComboItem(HWND combo, char first_letter, int index);
// The whole text of a window, as the code page's bytes.
std::string AnsiTextOf(HWND window);

}  // namespace lumo::test
