#pragma once
// Starting and ending the programs a scenario drives. Every process is ended through its
// own handle, never by name.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace lumo::test {

// A fresh, empty program directory under the test's temp area, with a trailing backslash.
std::string MakeProgramDir(const std::string& name);

// Copies files from bin/ (build output) into dir.
void CopyFromBin(const std::string& dir, const std::vector<std::string>& files);

void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);  // empty when missing

// A child process, ended (TerminateProcess on its handle) when the object goes away.
class Process {
 public:
  Process() = default;
  // Starts exe with arguments (a command line tail) and extra environment entries
  // ("NAME=value"), added to this process's environment.
  Process(const std::string& exe, const std::string& arguments = "",
          const std::vector<std::string>& environment = {});
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  bool Running() const;
  // Waits for the process to end; false on timeout.
  bool WaitForExit(std::chrono::milliseconds timeout);
  DWORD ExitCode() const;
  void Kill();
  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_{};
};

// Polls until predicate is true or the timeout passes; pumps this thread's messages.
bool WaitUntil(const std::function<bool()>& predicate,
               std::chrono::milliseconds timeout = std::chrono::seconds(5));

// A visible or hidden top-level window of the given process with the class and/or title
// (empty = any); nullptr when none.
HWND FindProcessWindow(DWORD process_id, const std::string& class_name,
                       const std::string& title = "");
// Waits for a visible one (owned by owner, when given); nullptr on timeout.
HWND WaitForProcessWindow(DWORD process_id, const std::string& class_name,
                          const std::string& title = "", HWND owner = nullptr,
                          std::chrono::milliseconds timeout = std::chrono::seconds(5));

}  // namespace lumo::test
