#include "call_record.h"

#include <windows.h>

namespace lumo::cts4r {

std::string EscapeText(const char* text) {
  static const char kHex[] = "0123456789abcdef";
  std::string escaped;
  if (!text) {
    return escaped;
  }
  for (const unsigned char* byte = reinterpret_cast<const unsigned char*>(text); *byte; ++byte) {
    if (*byte >= 0x20 && *byte <= 0x7E && *byte != '"' && *byte != '\\') {
      escaped.push_back(static_cast<char>(*byte));
    } else {
      escaped += "\\x";
      escaped.push_back(kHex[*byte >> 4]);
      escaped.push_back(kHex[*byte & 0xF]);
    }
  }
  return escaped;
}

std::int64_t MonotonicMilliseconds() {
  LARGE_INTEGER counter;
  LARGE_INTEGER frequency;
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  // Split so that the multiplication cannot overflow on a long-running machine.
  const std::int64_t whole = counter.QuadPart / frequency.QuadPart;
  const std::int64_t part = counter.QuadPart % frequency.QuadPart;
  return whole * 1000 + part * 1000 / frequency.QuadPart;
}

std::string RecordPath() {
  char buffer[MAX_PATH] = {};
  DWORD length = GetEnvironmentVariableA("LUMO_ANNOUNCER_LOG", buffer, MAX_PATH);
  if (length > 0 && length < MAX_PATH) {
    return std::string(buffer, length);
  }
  HMODULE self = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&RecordPath), &self);
  length = GetModuleFileNameA(self, buffer, MAX_PATH);
  std::string path(buffer, length < MAX_PATH ? length : 0);
  return path.substr(0, path.find_last_of('\\') + 1) + "announcer.log";
}

std::string KeepBitmapCopy(const std::string& record_path, const char* bitmap_path) {
  if (!bitmap_path || !*bitmap_path) {
    return {};
  }
  // Numbers already taken (an earlier run, another process) are skipped once; after that
  // the search starts where it left off.
  static LONG next_number = 1;
  for (int attempt = 0; attempt < 100000; ++attempt) {
    const LONG number = InterlockedIncrement(&next_number) - 1;
    char suffix[32];
    wsprintfA(suffix, ".%04ld.bmp", number);
    const std::string copy = record_path + suffix;
    if (GetFileAttributesA(copy.c_str()) != INVALID_FILE_ATTRIBUTES) {
      continue;
    }
    if (CopyFileA(bitmap_path, copy.c_str(), TRUE)) {
      return copy.substr(copy.find_last_of("\\/") + 1);
    }
    if (GetLastError() != ERROR_FILE_EXISTS) {
      return {};
    }
  }
  return {};
}

void AppendLine(const std::string& record_path, const std::string& line) {
  // Open, append, close: other processes (and the reader) share the file, and one write
  // of FILE_APPEND_DATA lands whole at the end.
  HANDLE file = CreateFileA(record_path.c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return;
  }
  const std::string text = line + "\n";
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

void WriteWholeFile(const std::string& path, const std::string& content) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    return;
  }
  DWORD written = 0;
  WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace lumo::cts4r
