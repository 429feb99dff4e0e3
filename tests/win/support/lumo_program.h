#pragma once
// A copy of Lumo in a fresh program directory, started and looked at from outside.
#include <windows.h>

#include <chrono>
#include <string>

#include "support/announcer_record.h"
#include "support/process.h"

namespace lumo::test {

// A fresh program directory holding Lumo.exe, the DLLs it loads and this Lumo.sdf.
std::string PrepareLumoDir(const std::string& name, const std::string& sdf);

// The status line's texts.
inline constexpr wchar_t kNotStarted[] = L"服务未启动.";
inline constexpr wchar_t kRunning[] = L"服务正在运行...";
inline constexpr wchar_t kStopped[] = L"服务已经停止.";

// dir\Lumo.exe started with its driver recording into dir\announcer.log.
struct LumoRun {
  Process process;
  HWND main = nullptr;  // nullptr when the start-up sequence did not end in time
  AnnouncerRecord record{""};
};
// Starts it and waits until its main window has run the start-up sequence.
LumoRun StartLumo(const std::string& dir);
// Waits until the main window of process has run the start-up sequence; nullptr when that
// did not happen in time.
HWND WaitForMainWindow(const Process& process);
// The same, and waits until the window has gone into the notification area.
LumoRun StartInTray(const std::string& dir);

// Opens the icon's pop-up menu, chooses an item by its access key and waits for the window
// of that class the item opens; nullptr when it did not open.
HWND OpenFromTrayMenu(const LumoRun& run, char access_key, const std::string& window_class);
// "退出" from the menu, the exit question answered Yes; false when no question came.
bool ExitThroughMenu(const LumoRun& run);

// The main window's status line, and one of its controls by identifier.
std::wstring StatusText(HWND main);
HWND Control(HWND main, int id);

// Waits until the window is hidden or shown; false on timeout.
bool WaitHidden(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(3));
bool WaitShown(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(3));

}  // namespace lumo::test
