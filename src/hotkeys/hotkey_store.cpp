#include "hotkeys/hotkey_store.h"

#include <algorithm>

#include "common/errors.h"
#include "hotkeys/hotkey_file.h"

namespace lumo {

HotkeyStore::HotkeyStore(FileSystem& files, const CodePage& code_page, std::string path)
    : files_(files), code_page_(code_page), path_(std::move(path)) {}

void HotkeyStore::Load(HotkeyList& list) {
  if (!files_.Exists(path_)) {
    return;
  }
  const std::size_t before = list.size();
  try {
    LoadHotkeys(list, files_, code_page_, path_);
  } catch (const FileError& error) {
    unread_ = true;
    for (std::size_t i = before; i < list.size(); ++i) {
      read_.push_back(*list[i]);
    }
    std::string message = error.what();
    try {
      files_.Copy(path_, BackupPath());
      copied_ = true;
      message += "\nA copy of the file was kept as \"" + BackupPath() + "\".";
    } catch (const FileError& copy_error) {
      message += "\n";
      message += copy_error.what();
    }
    throw FileError(message);
  }
}

bool HotkeyStore::Unchanged(const HotkeyList& list) const {
  return std::equal(
      list.begin(), list.end(), read_.begin(), read_.end(),
      [](const auto& rec, const HotkeyDefinition& read) { return rec && *rec == read; });
}

std::optional<std::string> HotkeyStore::Save(const HotkeyList& list) {
  std::optional<std::string> notice;
  if (unread_) {
    if (Unchanged(list)) {
      return std::nullopt;
    }
    if (!copied_ && files_.Exists(path_)) {
      files_.Copy(path_, BackupPath());
      notice = "The hotkey file \"" + path_ +
               "\" could not be read at start-up. A copy of it was kept as \"" + BackupPath() +
               "\" before it was replaced.";
    }
    // Kept, or gone with nothing to keep: a later save must not copy our own file over it.
    copied_ = true;
  }
  SaveHotkeys(list, files_, code_page_, path_);
  saved_ = true;
  return notice;
}

}  // namespace lumo
