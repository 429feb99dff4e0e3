#pragma once
// Files held in memory, with failures that a test switches on.
#include <map>
#include <optional>
#include <string>

#include "common/files.h"

namespace lumo::test {

class MemoryFiles : public FileSystem {
 public:
  std::map<std::string, std::string> contents;
  std::map<std::string, std::string> open_errors;  // path -> system description
  bool fail_create = false;
  std::optional<std::size_t> fail_write_after;  // bytes of new content accepted, then error
  bool fail_commit = false;
  bool fail_copy = false;
  int writes = 0;  // Write calls made

  bool Exists(const std::string& path) const override;
  std::unique_ptr<InputFile> OpenRead(const std::string& path) override;
  std::unique_ptr<OutputFile> CreateReplacement(const std::string& path) override;
  void Copy(const std::string& from, const std::string& to) override;
};

}  // namespace lumo::test
