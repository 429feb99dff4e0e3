#include "platform/win_files.h"

#include <windows.h>

#include "common/errors.h"
#include "platform/system_error.h"

namespace lumo {

namespace {

FileError ErrorFor(const char* what, const std::string& path, DWORD code) {
  return FileError(std::string(what) + " \"" + path + "\". " + SystemErrorText(code));
}

class WinInputFile : public InputFile {
 public:
  explicit WinInputFile(HANDLE handle) : handle_(handle) {}
  ~WinInputFile() override { CloseHandle(handle_); }
  WinInputFile(const WinInputFile&) = delete;
  WinInputFile& operator=(const WinInputFile&) = delete;

  std::uint64_t Size() const override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size)) {
      throw FileError(SystemErrorText(GetLastError()));
    }
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  std::size_t Read(char* buffer, std::size_t size) override {
    DWORD read = 0;
    if (!ReadFile(handle_, buffer, static_cast<DWORD>(size), &read, nullptr)) {
      throw FileError(SystemErrorText(GetLastError()));
    }
    return read;
  }

 private:
  HANDLE handle_;
};

class WinReplacementFile : public OutputFile {
 public:
  WinReplacementFile(std::string path, std::string temp_path, HANDLE handle)
      : path_(std::move(path)), temp_path_(std::move(temp_path)), handle_(handle) {}
  WinReplacementFile(const WinReplacementFile&) = delete;
  WinReplacementFile& operator=(const WinReplacementFile&) = delete;

  ~WinReplacementFile() override {
    if (handle_ != INVALID_HANDLE_VALUE) {
      CloseHandle(handle_);
    }
    if (!committed_) {
      DeleteFileA(temp_path_.c_str());
    }
  }

  void Write(const char* data, std::size_t size) override {
    while (size > 0) {
      DWORD written = 0;
      if (!WriteFile(handle_, data, static_cast<DWORD>(size), &written, nullptr)) {
        throw ErrorFor("Cannot write file", temp_path_, GetLastError());
      }
      data += written;
      size -= written;
    }
  }

  void Commit() override {
    if (!FlushFileBuffers(handle_)) {
      throw ErrorFor("Cannot write file", temp_path_, GetLastError());
    }
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    if (!MoveFileExA(temp_path_.c_str(), path_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      throw ErrorFor("Cannot create file", path_, GetLastError());
    }
    committed_ = true;
  }

 private:
  std::string path_;
  std::string temp_path_;
  HANDLE handle_;
  bool committed_ = false;
};

}  // namespace

bool WinFileSystem::Exists(const std::string& path) const {
  if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return true;
  }
  const DWORD code = GetLastError();
  return code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND;
}

std::unique_ptr<InputFile> WinFileSystem::OpenRead(const std::string& path) {
  HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    throw ErrorFor("Cannot open file", path, GetLastError());
  }
  return std::make_unique<WinInputFile>(handle);
}

std::unique_ptr<OutputFile> WinFileSystem::CreateReplacement(const std::string& path) {
  // A file that is read-only or held open by someone would refuse the replacement only
  // after all the writing: ask first, the way it would be asked to be overwritten. The
  // attribute is checked by itself because an administrator may open read-only files for
  // writing on some systems.
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    throw ErrorFor("Cannot create file", path, ERROR_ACCESS_DENIED);
  }
  HANDLE existing = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  if (existing != INVALID_HANDLE_VALUE) {
    CloseHandle(existing);
  } else if (const DWORD code = GetLastError(); code != ERROR_FILE_NOT_FOUND) {
    throw ErrorFor("Cannot create file", path, code);
  }
  const std::string temp_path = path + ".tmp";
  HANDLE handle = CreateFileA(temp_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) {
    throw ErrorFor("Cannot create file", path, GetLastError());
  }
  return std::make_unique<WinReplacementFile>(path, temp_path, handle);
}

void WinFileSystem::Copy(const std::string& from, const std::string& to) {
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
    throw ErrorFor("Cannot create file", to, GetLastError());
  }
}

}  // namespace lumo
