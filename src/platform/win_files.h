#pragma once
#include "common/files.h"

namespace lumo {

// Files through the Win32 file API. New content goes to "<path>.tmp" beside the file and
// replaces it with MoveFileEx once flushed.
class WinFileSystem : public FileSystem {
 public:
  bool Exists(const std::string& path) const override;
  std::unique_ptr<InputFile> OpenRead(const std::string& path) override;
  std::unique_ptr<OutputFile> CreateReplacement(const std::string& path) override;
  void Copy(const std::string& from, const std::string& to) override;
};

}  // namespace lumo
