#pragma once
#include <windows.h>

namespace lumo {

// The program's message loop; returns the exit code of WM_QUIT. Windows with
// WS_EX_CONTROLPARENT get dialog keyboard handling (Tab between controls).
int RunMessageLoop();

// A nested loop for a modal window: every other enabled top-level window of the thread is
// disabled until done becomes true or the window is gone, then exactly those are enabled
// again. A WM_QUIT met on the way is passed on to the outer loop.
void RunModalLoop(HWND window, const bool& done);

}  // namespace lumo
