#pragma once
// The file operations the hotkey file needs, so that its format is tested without a disk.
// Every failure is a FileError whose text names the file.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace lumo {

class InputFile {
 public:
  virtual ~InputFile() = default;
  virtual std::uint64_t Size() const = 0;
  // Up to size bytes into buffer; the count read, 0 at the end of the file.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
};

// The new content of a file. It takes the old file's place only on Commit, in one step;
// an object destroyed without Commit leaves the old file exactly as it was.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual void Write(const char* data, std::size_t size) = 0;
  // Flushes the content to the disk, then replaces the old file with it.
  virtual void Commit() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // False only when the file is known not to be there; a file that is there but cannot be
  // read counts as existing.
  virtual bool Exists(const std::string& path) const = 0;
  // "Cannot open file "%s". %s" on failure.
  virtual std::unique_ptr<InputFile> OpenRead(const std::string& path) = 0;
  // New content for path, written beside it; "Cannot create file "%s". %s" on failure.
  virtual std::unique_ptr<OutputFile> CreateReplacement(const std::string& path) = 0;
  // Copies from over to (replacing to); "Cannot create file "%s". %s" naming to on failure.
  virtual void Copy(const std::string& from, const std::string& to) = 0;
};

}  // namespace lumo
