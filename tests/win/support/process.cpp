#include "support/process.h"

#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/paths.h"

namespace lumo::test {

std::string MakeProgramDir(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string dir = std::string(temp) + "lumo-tests\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  dir += name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
  // A clean slate: remove what an earlier run of the same scenario left.
  std::string pattern = dir + "*";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string entry = dir + found.cFileName;
      SetFileAttributesA(entry.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(entry.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

void CopyFromBin(const std::string& dir, const std::vector<std::string>& files) {
  const std::string bin = BinDir();
  for (const std::string& file : files) {
    if (!CopyFileA((bin + file).c_str(), (dir + file).c_str(), FALSE)) {
      throw std::runtime_error("cannot copy " + bin + file + " to " + dir);
    }
  }
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    throw std::runtime_error("cannot write " + path);
  }
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

Process::Process(const std::string& exe, const std::string& arguments,
                 const std::vector<std::string>& environment) {
  // Environment block: ours plus the extra entries, each NUL-terminated, then one more NUL.
  std::string block;
  if (!environment.empty()) {
    char* current = GetEnvironmentStringsA();
    for (const char* entry = current; *entry; entry += strlen(entry) + 1) {
      block.append(entry).push_back('\0');
    }
    FreeEnvironmentStringsA(current);
    for (const std::string& entry : environment) {
      block.append(entry).push_back('\0');
    }
    block.push_back('\0');
  }
  std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  std::string directory = exe.substr(0, exe.find_last_of('\\') + 1);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0,
                      block.empty() ? nullptr : block.data(), directory.c_str(), &startup,
                      &info_)) {
    throw std::runtime_error("cannot start " + exe + ", error " + std::to_string(GetLastError()));
  }
}

Process::Process(Process&& other) noexcept : info_(other.info_) {
  other.info_ = {};
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Kill();
    info_ = other.info_;
    other.info_ = {};
  }
  return *this;
}

Process::~Process() {
  Kill();
}

bool Process::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(std::chrono::milliseconds timeout) {
  return WaitUntil([this] { return !Running(); }, timeout);
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (info_.hProcess) {
    GetExitCodeProcess(info_.hProcess, &code);
  }
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
  for (;;) {
    if (predicate()) {
      return true;
    }
    if (GetTickCount64() >= deadline) {
      return false;
    }
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(10);
  }
}

namespace {
struct WindowQuery {
  DWORD process_id;
  const std::string* class_name;
  const std::string* title;
  HWND owner;
  bool visible;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* query = reinterpret_cast<WindowQuery*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char class_name[256] = {};
  char title[256] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  GetWindowTextA(window, title, sizeof title);
  if (process != query->process_id || (query->visible && !IsWindowVisible(window)) ||
      (!query->class_name->empty() && *query->class_name != class_name) ||
      (!query->title->empty() && *query->title != title) ||
      (query->owner && GetWindow(window, GW_OWNER) != query->owner)) {
    return TRUE;
  }
  query->found = window;
  return FALSE;
}

HWND Find(DWORD process_id, const std::string& class_name, const std::string& title, HWND owner,
          bool visible) {
  WindowQuery query{process_id, &class_name, &title, owner, visible, nullptr};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}
}  // namespace

HWND FindProcessWindow(DWORD process_id, const std::string& class_name, const std::string& title) {
  return Find(process_id, class_name, title, nullptr, false);
}

HWND WaitForProcessWindow(DWORD process_id, const std::string& class_name, const std::string& title,
                          HWND owner, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = Find(process_id, class_name, title, owner, true)) != nullptr; },
            timeout);
  return found;
}

}  // namespace lumo::test
