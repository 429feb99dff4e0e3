#pragma once
// Files held in memory, with failures that a test switches on. New content takes a file's
// place only on Commit.
#include <algorithm>
#include <cstring>
#include <map>
#include <string>

#include "common/errors.h"
#include "common/files.h"

namespace lumo::test {

class MemoryFiles : public FileSystem {
 public:
  std::map<std::string, std::string> contents;
  std::map<std::string, std::string> open_errors;  // path -> system description
  bool fail_commit = false;
  bool fail_copy = false;

  bool Exists(const std::string& path) const override {
    return contents.count(path) > 0 || open_errors.count(path) > 0;
  }
  std::unique_ptr<InputFile> OpenRead(const std::string& path) override {
    if (auto error = open_errors.find(path); error != open_errors.end()) {
      throw FileError("Cannot open file \"" + path + "\". " + error->second);
    }
    return std::make_unique<Input>(contents.at(path));
  }
  std::unique_ptr<OutputFile> CreateReplacement(const std::string& path) override {
    return std::make_unique<Output>(*this, path);
  }
  void Copy(const std::string& from, const std::string& to) override {
    if (fail_copy || contents.count(from) == 0) {
      throw FileError("Cannot create file \"" + to + "\". Access is denied");
    }
    contents[to] = contents[from];
  }

 private:
  struct Input : InputFile {
    explicit Input(std::string content) : bytes(std::move(content)) {}
    std::uint64_t Size() const override { return bytes.size(); }
    std::size_t Read(char* buffer, std::size_t size) override {
      const std::size_t count = std::min(size, bytes.size() - pos);
      std::memcpy(buffer, bytes.data() + pos, count);
      pos += count;
      return count;
    }
    std::string bytes;
    std::size_t pos = 0;
  };
  struct Output : OutputFile {
    Output(MemoryFiles& owner, std::string target) : files(owner), path(std::move(target)) {}
    void Write(const char* data, std::size_t size) override { pending.append(data, size); }
    void Commit() override {
      if (files.fail_commit) {
        throw FileError("Cannot create file \"" + path + "\". Access is denied");
      }
      files.contents[path] = pending;
    }
    MemoryFiles& files;
    std::string path;
    std::string pending;
  };
};

}  // namespace lumo::test
