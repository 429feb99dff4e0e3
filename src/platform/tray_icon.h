#pragma once
// The program's one notification-area icon (identifier 0 on the owner window).
#include <windows.h>

#include <string>

namespace lumo {

// tip is ANSI bytes; it is cut, at a character boundary, to the 63 bytes the field holds.
void AddTrayIcon(HWND owner, UINT callback_message, HICON icon, const std::string& tip);
void RemoveTrayIcon(HWND owner, UINT callback_message);

}  // namespace lumo
