#include "hotkeys/hotkey_file.h"

#include "common/errors.h"

namespace lumo {

void ReadHotkeys(TaggedReader& reader, HotkeyList& list) {
  reader.ReadString();  // the header: any string is accepted
  reader.ReadListBegin();
  while (!reader.EndOfList()) {
    auto definition = std::make_shared<HotkeyDefinition>();
    definition->Description = reader.ReadString();
    definition->Action = reader.ReadInteger();
    if (definition->Action == kActionRunCommand) {
      definition->Parameter = reader.ReadString();
    }
    definition->Ctrl = reader.ReadBoolean();
    definition->Alt = reader.ReadBoolean();
    definition->Shift = reader.ReadBoolean();
    definition->Win = reader.ReadBoolean();
    definition->Key = reader.ReadInteger();
    definition->Active = reader.ReadBoolean();
    list.push_back(std::move(definition));
  }
  reader.ReadListEnd();
}

void WriteHotkeys(TaggedWriter& writer, const HotkeyList& list) {
  writer.WriteString(kHotkeyFileHeader);
  writer.WriteListBegin();
  for (const auto& definition : list) {
    if (!definition) {
      continue;
    }
    writer.WriteString(definition->Description);
    writer.WriteInteger(definition->Action);
    if (definition->Action == kActionRunCommand) {
      writer.WriteString(definition->Parameter);
    }
    writer.WriteBoolean(definition->Ctrl);
    writer.WriteBoolean(definition->Alt);
    writer.WriteBoolean(definition->Shift);
    writer.WriteBoolean(definition->Win);
    writer.WriteInteger(definition->Key);
    writer.WriteBoolean(definition->Active);
  }
  writer.WriteListEnd();
}

void LoadHotkeys(HotkeyList& list, FileSystem& files, const CodePage& code_page,
                 const std::string& path) {
  std::unique_ptr<InputFile> file = files.OpenRead(path);
  TaggedReader reader(*file, code_page);
  try {
    ReadHotkeys(reader, list);
  } catch (const FileError& error) {
    throw FileError("Cannot read file \"" + path + "\". " + error.what());
  }
}

void SaveHotkeys(const HotkeyList& list, FileSystem& files, const CodePage& code_page,
                 const std::string& path) {
  std::unique_ptr<OutputFile> file = files.CreateReplacement(path);
  TaggedWriter writer(*file, code_page);
  WriteHotkeys(writer, list);
  writer.Flush();
  file->Commit();
}

}  // namespace lumo
