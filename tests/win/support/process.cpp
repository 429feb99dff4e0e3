#include "support/process.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace lumo::test {

std::string BinDir() {
  char path[MAX_PATH] = {};
  const std::string exe(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return exe.substr(0, exe.find_last_of('\\') + 1);
}

std::string MakeProgramDir(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string dir = std::string(temp) + "lumo-tests\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  // A clean slate: a name no earlier run used.
  dir += name + "-" + std::to_string(GetTickCount64()) + "\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    throw std::runtime_error("cannot write " + path);
  }
}

std::string ReadFile(const std::string& path) {
  std::ostringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
  return content.str();
}

Process::Process(const std::string& exe, const std::string& arguments, const std::string& output) {
  std::string command = "\"" + exe + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  if (!output.empty()) {
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = CreateFileA(
        output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  }
  const BOOL started =
      CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, !output.empty(), 0, nullptr,
                     exe.substr(0, exe.find_last_of('\\') + 1).c_str(), &startup, &info_);
  if (!output.empty()) {
    CloseHandle(startup.hStdOutput);
  }
  if (!started) {
    throw std::runtime_error("cannot start " + exe + ", error " + std::to_string(GetLastError()));
  }
}

bool Process::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(std::chrono::milliseconds timeout) {
  return WaitUntil([this] { return !Running(); }, timeout);
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

void Process::Kill() {
  if (info_.hProcess) {
    if (Running()) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    info_ = {};
  }
}

bool WaitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeout.count());
  while (!predicate()) {
    if (GetTickCount64() >= deadline) {
      return false;
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
  return true;
}

HWND WindowOf(DWORD process_id, const std::string& class_name, bool visible,
              std::chrono::milliseconds timeout) {
  HWND window = nullptr;
  const auto find = [&] {
    const char* name = class_name.empty() ? nullptr : class_name.c_str();
    while ((window = FindWindowExA(nullptr, window, name, nullptr)) != nullptr) {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process == process_id && (!visible || IsWindowVisible(window))) {
        return true;
      }
    }
    return false;
  };
  WaitUntil(find, timeout);
  return window;
}

std::wstring TextOf(HWND window) {
  wchar_t buffer[512] = {};
  DWORD_PTR copied = 0;
  if (window == nullptr ||
      !SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 2000, &copied)) {
    return {};
  }
  return buffer;
}

}  // namespace lumo::test
