#include "platform/program_log.h"

#include <shlobj.h>

#include <memory>

#include "common/program_path.h"
#include "platform/ansi_text.h"
#include "platform/win_code_page.h"

namespace lumo {

namespace {

class WinLogFile : public LogFile {
 public:
  WinLogFile(HANDLE file, std::uint64_t size) : file_(file), size_(size) {}
  ~WinLogFile() override { CloseHandle(file_); }
  WinLogFile(const WinLogFile&) = delete;
  WinLogFile& operator=(const WinLogFile&) = delete;

  std::uint64_t Size() const override { return size_; }
  bool Append(std::string_view bytes) override {
    DWORD written = 0;
    return WriteFile(file_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
  }

 private:
  HANDLE file_;
  std::uint64_t size_;
};

class WinLogStorage : public LogStorage {
 public:
  std::unique_ptr<LogFile> Open(const std::string& path, bool fresh) override {
    CreateDirectoryA(DirectoryPart(path).c_str(), nullptr);
    // Others may read it, and the support tool copy it, while Lumo writes.
    HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              fresh ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      return nullptr;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size)) {
      CloseHandle(file);
      return nullptr;
    }
    return std::make_unique<WinLogFile>(file, static_cast<std::uint64_t>(size.QuadPart));
  }
  bool Replace(const std::string& from, const std::string& to) override {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
  }
};

class WinLogClock : public LogClock {
 public:
  std::uint64_t Stamp() const override {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime;
  }
  LocalTime Local(std::uint64_t stamp) const override {
    const FILETIME utc{static_cast<DWORD>(stamp), static_cast<DWORD>(stamp >> 32)};
    FILETIME local;
    SYSTEMTIME t{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &t)) {
      return {};
    }
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
  }
};

WinLogStorage g_storage;
WinLogClock g_clock;
WinCodePage g_code_page;
SupportLog g_no_log(g_storage, g_clock, g_code_page, {});
std::unique_ptr<SupportLog> g_log;

// %LOCALAPPDATA% as the environment gives it, else as the shell knows it.
std::string LocalAppData() {
  char path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("LOCALAPPDATA", path, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    return std::string(path, length);
  }
  if (SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK) {
    return path;
  }
  return {};
}

// The version Windows really runs: GetVersionEx answers what the manifest asks for.
std::string WindowsVersion() {
  using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  const auto get_version = reinterpret_cast<RtlGetVersionFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  if (get_version == nullptr || get_version(&info) != 0) {
    return "unknown";
  }
  return std::to_string(info.dwMajorVersion) + "." + std::to_string(info.dwMinorVersion) + "." +
         std::to_string(info.dwBuildNumber);
}

}  // namespace

SupportLog& ProgramLog() {
  return g_log ? *g_log : g_no_log;
}

void OpenProgramLog(const std::string& program_path) {
  std::vector<std::string> paths{FileBesideProgram(program_path, "Lumo.log")};
  const std::string local = LocalAppData();
  if (!local.empty()) {
    paths.push_back(local + "\\Lumo\\Lumo.log");
  }
  g_log = std::make_unique<SupportLog>(g_storage, g_clock, g_code_page, std::move(paths));
}

void LogErrorBox(const std::wstring& text) {
  ProgramLog().Write("box", "error: " + WideToAnsi(text));
}

void LogProgramStartOrEnd(const char* event, const char* version, const std::string& program_path) {
  constexpr const char* kFlavour = sizeof(void*) == 8 ? "64-bit" : "32-bit";
  ProgramLog().Write(event, std::string("Lumo ") + version + " " + kFlavour + " \"" + program_path +
                                "\", ANSI code page " + std::to_string(GetACP()) + ", Windows " +
                                WindowsVersion());
}

}  // namespace lumo
