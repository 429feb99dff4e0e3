#pragma once
// The programs a scenario drives: a copy of Lumo in a fresh program directory, register-sim,
// and their message boxes, looked at and answered from outside as a person would.
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "register-sim/register_sim_protocol.h"
#include "support/announcer_record.h"
#include "support/process.h"
#include "support/screenshot.h"

namespace lumo::test {

// A fresh program directory: Lumo.exe, lumo-inspect.exe, the DLLs and this Lumo.sdf.
std::string PrepareLumoDir(const std::string& name, const std::string& sdf);

// The status line's texts, and the exit question.
inline constexpr wchar_t kNotStarted[] = L"服务未启动.";
inline constexpr wchar_t kRunning[] = L"服务正在运行...";
inline constexpr wchar_t kStopped[] = L"服务已经停止.";
inline constexpr wchar_t kExitQuestion[] = L"是否要退出Lumo?";

// dir\Lumo.exe started with its driver recording into dir\announcer.log.
struct LumoRun {
  Process process;
  HWND main = nullptr;  // nullptr when the start-up sequence did not end in time
  AnnouncerRecord record{""};
};
// Starts it; with wait, until its main window has started and gone into the tray.
LumoRun StartLumo(const std::string& dir, bool wait = true);
// The main window once it has run the start-up sequence; nullptr when not in time.
HWND WaitForMainWindow(const Process& process);

// Opens the icon's pop-up menu, hands it to seen (when given), chooses an item by its
// access key and waits for the window of that class the item opens; nullptr when none.
HWND OpenFromTrayMenu(const LumoRun& run, char access_key, const std::string& window_class,
                      const std::function<void(HWND menu)>& seen = {});
// "退出" from the menu, the exit question answered Yes; false when no question came.
bool ExitThroughMenu(const LumoRun& run);

std::wstring StatusText(HWND main);
// A value of the per-user settings key; nothing when it is not there as a 32-bit integer.
std::optional<DWORD> SavedSetting(const char* name);
// Waits until the window is shown or hidden; false on timeout.
bool WaitVisible(HWND window, bool visible);

// Waits for the process's message box, runs meanwhile while it is open, answers it with the
// button id and waits until it is gone. Its text, with "!" in front when it shows no icon
// and " <still open>" after when it did not close; "<no box>" when none came.
std::wstring AnswerBox(DWORD process_id, int id = IDOK,
                       const std::function<void()>& meanwhile = {});

// The lines of a Lumo.log after its byte-order mark, without their times.
std::vector<std::string> LogEvents(const std::string& log);
// Those events that begin with one of the prefixes.
std::vector<std::string> LogEvents(const std::string& log,
                                   std::initializer_list<std::string_view> prefixes);

struct RegisterSim {
  Process process;
  HWND window = nullptr;
};
// Starts bin/register-sim.exe with a command line tail (see register_sim_protocol.h) and
// waits until its window shows; throws std::runtime_error when it does not.
RegisterSim StartRegisterSim(const std::string& arguments = "");

}  // namespace lumo::test
