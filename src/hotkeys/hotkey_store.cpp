#include "hotkeys/hotkey_store.h"

#include "common/errors.h"
#include "hotkeys/hotkey_file.h"

namespace lumo {

HotkeyStore::HotkeyStore(FileSystem& files, const CodePage& code_page, std::string path)
    : files_(files), code_page_(code_page), path_(std::move(path)) {}

void HotkeyStore::KeepCopy() {
  files_.Copy(path_, BackupPath());
  copy_owed_ = false;
}

void HotkeyStore::Load(HotkeyList& list) {
  if (!files_.Exists(path_)) {
    return;
  }
  try {
    LoadHotkeys(list, files_, code_page_, path_);
  } catch (const FileError& error) {
    copy_owed_ = true;
    std::string message = error.what();
    try {
      KeepCopy();
      message += "\nA copy of the file was kept as \"" + BackupPath() + "\".";
    } catch (const FileError& copy_error) {
      message += "\n";
      message += copy_error.what();
    }
    throw FileError(message);
  }
}

void HotkeyStore::Save(const HotkeyList& list) {
  if (copy_owed_) {
    if (files_.Exists(path_)) {
      KeepCopy();
    }
    copy_owed_ = false;
  }
  SaveHotkeys(list, files_, code_page_, path_);
}

}  // namespace lumo
