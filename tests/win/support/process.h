#pragma once
// Files, processes and windows of the programs a scenario drives. Every process is ended
// through its own handle, never by name.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace lumo::test {

using namespace std::chrono_literals;

// The test executable's directory (with its backslash), where the programs are built.
std::string BinDir();
// A fresh, empty directory under the temp area, with a trailing backslash.
std::string MakeProgramDir(const std::string& name);
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);  // empty when missing

// A child process, ended (TerminateProcess on its handle) when the object goes away.
class Process {
 public:
  // Starts exe in its folder with a command line tail and this process's environment;
  // with output, its standard output and error go to that file.
  explicit Process(const std::string& exe, const std::string& arguments = "",
                   const std::string& output = "");
  Process(Process&& other) noexcept : info_(other.info_) { other.info_ = {}; }
  ~Process() { Kill(); }

  bool Running() const;
  bool WaitForExit(std::chrono::milliseconds timeout = 5s);  // false on timeout
  DWORD ExitCode() const;
  void Kill();
  DWORD Id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
};

// Polls until predicate is true or the timeout passes, pumping this thread's messages.
bool WaitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout = 5s);

// A top-level window of the process with this class (hidden ones too unless visible),
// waited for up to timeout; nullptr when none.
HWND WindowOf(DWORD process_id, const std::string& class_name, bool visible = true,
              std::chrono::milliseconds timeout = 5s);

// WM_GETTEXT through the wide API, from any process; empty when the window does not answer.
std::wstring TextOf(HWND window);

}  // namespace lumo::test
