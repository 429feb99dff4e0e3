#pragma once
// A copy of Lumo in a fresh program directory, started and looked at from outside.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/process.h"

namespace lumo::test {

// A fresh program directory holding Lumo.exe, the DLLs it loads and this Lumo.sdf.
std::string PrepareLumoDir(const std::string& name, const std::string& sdf);

// Starts dir\Lumo.exe and waits until its main window has run its start-up sequence;
// main is nullptr when that did not happen in time.
struct LumoRun {
  Process process;
  HWND main = nullptr;
};
LumoRun StartLumo(const std::string& dir, const std::vector<std::string>& environment = {});

// The main window's status line, and one of its controls by identifier.
std::wstring StatusText(HWND main);
HWND Control(HWND main, int id);

// Waits until the window is hidden (true) or the timeout passes.
bool WaitHidden(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(3));
bool WaitShown(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(3));

}  // namespace lumo::test
