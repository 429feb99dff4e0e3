#include "support/memory_files.h"

#include <algorithm>
#include <cstring>

#include "common/errors.h"

namespace lumo::test {

namespace {

class MemoryInput : public InputFile {
 public:
  explicit MemoryInput(std::string bytes) : bytes_(std::move(bytes)) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t count = std::min(size, bytes_.size() - pos_);
    std::memcpy(buffer, bytes_.data() + pos_, count);
    pos_ += count;
    return count;
  }

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};

class MemoryOutput : public OutputFile {
 public:
  MemoryOutput(MemoryFiles& files, std::string path) : files_(files), path_(std::move(path)) {}
  void Write(const char* data, std::size_t size) override {
    ++files_.writes;
    if (files_.fail_write_after && pending_.size() + size > *files_.fail_write_after) {
      throw FileError("Cannot write file \"" + path_ + "\". There is not enough space");
    }
    pending_.append(data, size);
  }
  void Commit() override {
    if (files_.fail_commit) {
      throw FileError("Cannot create file \"" + path_ + "\". Access is denied");
    }
    files_.contents[path_] = pending_;
  }

 private:
  MemoryFiles& files_;
  std::string path_;
  std::string pending_;
};

}  // namespace

bool MemoryFiles::Exists(const std::string& path) const {
  return contents.count(path) > 0 || open_errors.count(path) > 0;
}

std::unique_ptr<InputFile> MemoryFiles::OpenRead(const std::string& path) {
  auto error = open_errors.find(path);
  if (error != open_errors.end()) {
    throw FileError("Cannot open file \"" + path + "\". " + error->second);
  }
  auto found = contents.find(path);
  if (found == contents.end()) {
    throw FileError("Cannot open file \"" + path + "\". The system cannot find the file");
  }
  return std::make_unique<MemoryInput>(found->second);
}

std::unique_ptr<OutputFile> MemoryFiles::CreateReplacement(const std::string& path) {
  if (fail_create) {
    throw FileError("Cannot create file \"" + path + "\". Access is denied");
  }
  return std::make_unique<MemoryOutput>(*this, path);
}

void MemoryFiles::Copy(const std::string& from, const std::string& to) {
  auto found = contents.find(from);
  if (fail_copy || found == contents.end()) {
    throw FileError("Cannot create file \"" + to + "\". Access is denied");
  }
  contents[to] = found->second;
}

}  // namespace lumo::test
