#pragma once
// Files, processes and windows of the programs a scenario drives. Every process is ended
// through its own handle, never by name.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace lumo::test {

// Directory of the test executable with its trailing backslash (build/win64/bin\), where
// Lumo.exe, the two DLLs and the tools are built.
std::string BinDir();
// A fresh, empty program directory under the temp area, with a trailing backslash.
std::string MakeProgramDir(const std::string& name);
// Copies files from BinDir() into dir.
void CopyFromBin(const std::string& dir, const std::vector<std::string>& files);
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);  // empty when missing
bool FileExists(const std::string& path);

// A child process, ended (TerminateProcess on its handle) when the object goes away.
class Process {
 public:
  Process() = default;
  // Starts exe in its folder with a command line tail and this process's environment;
  // with output, its standard output and error go to that file.
  explicit Process(const std::string& exe, const std::string& arguments = "",
                   const std::string& output = "");
  Process(Process&& other) noexcept : info_(other.info_) { other.info_ = {}; }
  Process& operator=(Process&& other) noexcept;
  ~Process() { Kill(); }

  bool Running() const;
  bool WaitForExit(std::chrono::milliseconds timeout);  // false on timeout
  DWORD ExitCode() const;
  void Kill();
  DWORD Id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
};

// Polls until predicate is true or the timeout passes, pumping this thread's messages.
bool WaitUntil(const std::function<bool()>& predicate,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));
// Pumps this thread's messages for that long.
void Pump(std::chrono::milliseconds time);

// A visible or hidden top-level window of the process with the class and/or title (empty:
// any); nullptr when none.
HWND FindProcessWindow(DWORD process_id, const std::string& class_name,
                       const std::string& title = "");
// Waits for a visible one; nullptr on timeout.
HWND WaitForProcessWindow(DWORD process_id, const std::string& class_name,
                          const std::string& title = "",
                          std::chrono::milliseconds timeout = std::chrono::seconds(5));

// WM_GETTEXT through the wide API, from any process; empty when the window does not answer.
std::wstring TextOf(HWND window);

}  // namespace lumo::test
