#pragma once
// The editors' modal windows, until the program's own window helpers take them over.
#include <windows.h>

namespace lumo {

// Shows window and runs a nested message loop until *result becomes non-zero. Every other
// enabled top-level window of this thread is disabled meanwhile, so only this window takes
// input, while timers and hotkeys of the hidden windows keep being dispatched. A WM_QUIT
// ends the loop early (result IDCANCEL) and is posted again for the outer loop.
void RunModal(HWND window, int* result);

// The 12-pixel SimSun the editors use, created once.
HFONT EditorFont();

// Creates a top-level window of the given client size, centred on the screen.
HWND CreateCentredWindow(DWORD ex_style, const wchar_t* class_name, const wchar_t* caption,
                         DWORD style, int client_width, int client_height, HWND owner, void* self);

}  // namespace lumo
