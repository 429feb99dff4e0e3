#pragma once
// Answering another process's message boxes the way a person would: find the box, read it,
// press one of its buttons.
#include <windows.h>

#include <chrono>
#include <string>

namespace lumo::test {

// The message box (dialog class "#32770") of the process with this title; waits for it
// and gives nullptr when none appears in time.
HWND WaitForMessageBox(DWORD process_id, const std::string& title,
                       std::chrono::milliseconds timeout = std::chrono::seconds(5));

// The box's message text.
std::wstring MessageBoxText(HWND box);

// Whether the box shows an icon (a static picture control beside its text).
bool HasIcon(HWND box);

// Whether the box has a button with this identifier (IDOK, IDYES, IDNO, ...).
bool HasButton(HWND box, int id);

// Presses the button: the box closes and its caller goes on. Waits until the box is gone.
bool PressButton(HWND box, int id);

}  // namespace lumo::test
