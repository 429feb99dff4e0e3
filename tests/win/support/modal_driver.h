#pragma once
// A modal window blocks the thread that shows it: a test shows it on its own thread and
// drives it from a second one, as a person at the keyboard would.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace lumo::test {

// Runs show on this thread and driver on another. When the driver is done and show has not
// returned within a few seconds, this thread's windows get WM_CLOSE, so that a failing test
// ends instead of hanging.
void DriveModal(const std::function<void()>& show, const std::function<void()>& driver);

// Waits for a visible top-level window of this process with the class name (and owner,
// when given), then a moment for it to finish showing; nullptr on timeout.
HWND WaitForWindow(const std::wstring& class_name, HWND owner = nullptr,
                   std::chrono::milliseconds timeout = std::chrono::seconds(5));

// Waits for a message box over owner, presses Enter and gives its text (and its caption).
std::wstring AnswerMessageBox(HWND owner, std::wstring* caption = nullptr);

// Waits for a window to disappear or be hidden; false on timeout.
bool WaitForGone(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace lumo::test
