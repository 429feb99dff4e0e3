#pragma once
// The hotkey file: a header string, then a list with one group of values per definition.
#include <string>

#include "common/code_page.h"
#include "common/files.h"
#include "hotkeys/hotkey_definitions.h"
#include "hotkeys/tagged_stream.h"

namespace lumo {

// The first value of every stored Lumo.hkd: files written before and after must match.
inline constexpr char kHotkeyFileHeader[] = "Hotkey definitions, version 1.0";

// Appends the definitions of the stream to list. On a read error the definitions read
// completely stay appended and the one being read is dropped.
void ReadHotkeys(TaggedReader& reader, HotkeyList& list);
void WriteHotkeys(TaggedWriter& writer, const HotkeyList& list);

// Appends the definitions of the file at path to list (it is not emptied first). Throws
// FileError: "Cannot open file "%s". %s", or "Cannot read file "%s". %s" for a file that
// is damaged or ends early.
void LoadHotkeys(HotkeyList& list, FileSystem& files, const CodePage& code_page,
                 const std::string& path);

// Writes list to the file at path. The old file is replaced only once the new content is
// completely written; on any failure it stays as it was.
void SaveHotkeys(const HotkeyList& list, FileSystem& files, const CodePage& code_page,
                 const std::string& path);

}  // namespace lumo
