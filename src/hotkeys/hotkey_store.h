#pragma once
// The hotkey file over the life of the program: read at start-up, written at close, and
// never written over while it still holds definitions that could not be read.
#include <optional>
#include <string>
#include <vector>

#include "common/code_page.h"
#include "common/files.h"
#include "hotkeys/hotkey_definitions.h"

namespace lumo {

class HotkeyStore {
 public:
  HotkeyStore(FileSystem& files, const CodePage& code_page, std::string path);

  const std::string& Path() const { return path_; }
  std::string BackupPath() const { return path_ + ".bak"; }
  // For the support log: the file could not be read completely at start-up; a copy of it
  // was kept at BackupPath; the last Save wrote the file.
  bool ReadFailed() const { return unread_; }
  bool CopiedAside() const { return copied_ && unread_; }
  bool Saved() const { return saved_; }

  // Appends the file's definitions to list. No file yet (the first start) is no error.
  // A file that cannot be opened or read completely: the definitions read completely stay
  // appended, the file is copied to BackupPath, and a FileError tells the user both.
  void Load(HotkeyList& list);

  // Writes list to the file. A file that could not be read at start-up is replaced only
  // when list differs from what was read (the user applied changes), and only once a copy
  // of it exists: a copy that could not be made at start-up is made now, and the text
  // returned tells the user where it is; when it still cannot be made the file is left
  // alone and a FileError is thrown.
  std::optional<std::string> Save(const HotkeyList& list);

 private:
  bool Unchanged(const HotkeyList& list) const;

  FileSystem& files_;
  const CodePage& code_page_;
  std::string path_;
  bool unread_ = false;  // the file was there but could not be read completely
  bool copied_ = false;  // a copy of that file exists at BackupPath
  bool saved_ = false;
  std::vector<HotkeyDefinition> read_;
};

}  // namespace lumo
