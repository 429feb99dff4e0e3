#pragma once
// A copy of Lumo in a fresh program directory, started and looked at from outside.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/announcer_record.h"
#include "support/process.h"

namespace lumo::test {

// A fresh program directory holding Lumo.exe, the DLLs it loads and this Lumo.sdf.
std::string PrepareLumoDir(const std::string& name, const std::string& sdf);

// The status line's texts.
inline constexpr wchar_t kNotStarted[] = L"服务未启动.";
inline constexpr wchar_t kRunning[] = L"服务正在运行...";
inline constexpr wchar_t kStopped[] = L"服务已经停止.";

// Starts dir\Lumo.exe, its driver recording into dir\announcer.log, and waits until its
// main window has run its start-up sequence; main is nullptr when that did not happen in
// time.
struct LumoRun {
  Process process;
  HWND main = nullptr;
  AnnouncerRecord record{""};
};
LumoRun StartLumo(const std::string& dir);
// The same, and waits until the window has gone into the notification area; main is
// nullptr when it did not.
LumoRun StartInTray(const std::string& dir);

// "退出" from the menu, the exit question answered Yes; false when no question came.
bool ExitThroughMenu(const LumoRun& run);

// The main window's status line, and one of its controls by identifier.
std::wstring StatusText(HWND main);
HWND Control(HWND main, int id);

// Waits until the window is hidden (true) or the timeout passes.
bool WaitHidden(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(3));
bool WaitShown(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(3));

}  // namespace lumo::test
