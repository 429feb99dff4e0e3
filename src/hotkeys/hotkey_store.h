#pragma once
// The hotkey file over the life of the program: read at start-up, written at close, and
// never written over while it still holds definitions that could not be read.
#include <string>

#include "common/code_page.h"
#include "common/files.h"
#include "hotkeys/rhkutils.h"

namespace lumo {

class HotkeyStore {
 public:
  HotkeyStore(FileSystem& files, const CodePage& code_page, std::string path);

  const std::string& Path() const { return path_; }
  std::string BackupPath() const { return path_ + ".bak"; }

  // Appends the file's definitions to list. No file yet (the first start) is no error.
  // A file that cannot be opened or read completely: the definitions read completely stay
  // appended, the file is copied to BackupPath, and a FileError tells the user both.
  void Load(HotkeyList& list);

  // Writes list to the file. When the copy of an unreadable file could not be made at
  // start-up it is made now; if it still cannot be made the file is left alone and a
  // FileError is thrown, so that what the user had is not written over.
  void Save(const HotkeyList& list);

 private:
  void KeepCopy();

  FileSystem& files_;
  const CodePage& code_page_;
  std::string path_;
  bool copy_owed_ = false;
};

}  // namespace lumo
