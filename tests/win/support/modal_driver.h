#pragma once
// Modal windows block the thread that shows them. A test shows the window on its own
// thread and drives it from a second one, as a person at the keyboard would.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace lumo::test {

// Runs show on this thread and driver on another. When the driver is done and show has
// not returned within a few seconds, every window of this thread gets WM_CLOSE, so that a
// failing test ends instead of hanging.
void DriveModal(const std::function<void()>& show, const std::function<void()>& driver);

// Waits (from the driver thread) for a visible top-level window of this process with the
// class name (and, when given, the owner); nullptr on timeout.
HWND WaitForWindow(const std::wstring& class_name, HWND owner = nullptr,
                   std::chrono::milliseconds timeout = std::chrono::seconds(5));

// Waits for a message box over owner, presses Enter and gives its text; the caption and a
// screenshot of the box when asked for.
std::wstring AnswerMessageBox(HWND owner, std::wstring* caption = nullptr,
                              const std::string& screenshot = "");

// Waits for a window to disappear or be hidden; false on timeout.
bool WaitForGone(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace lumo::test
