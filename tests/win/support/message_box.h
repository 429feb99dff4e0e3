#pragma once
// Another process's message boxes, answered the way a person would: find, read, press.
#include <windows.h>

#include <chrono>
#include <string>

namespace lumo::test {

// The message box (dialog class "#32770") of the process with this title; waits for it
// and gives nullptr when none appears in time.
HWND WaitForMessageBox(DWORD process_id, const std::string& title,
                       std::chrono::milliseconds timeout = std::chrono::seconds(5));
std::wstring MessageBoxText(HWND box);
// Whether the box shows an icon (a static picture control beside its text).
bool HasIcon(HWND box);
// Presses the button and waits until the box is gone.
bool PressButton(HWND box, int id);

}  // namespace lumo::test
