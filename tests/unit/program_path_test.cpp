#include "common/program_path.h"

#include <gtest/gtest.h>

#include "support/code_page_936.h"

namespace lumo {
namespace {

TEST(ProgramPath, FileBesideTheExecutable) {
  EXPECT_EQ(FileBesideProgram("C:\\Pos\\Lumo.exe", "Lumo.sdf"), "C:\\Pos\\Lumo.sdf");
  EXPECT_EQ(FileBesideProgram("C:Lumo.exe", "Lumo.sdf"), "C:\\Lumo.sdf");
  EXPECT_EQ(FileBesideProgram("Lumo.exe", "tmp.bmp"), "\\tmp.bmp");
}

TEST(ProgramPath, TrailBytesAreNoSeparators) {
  // "\xB1\x5C" is one double-byte character whose trail byte is a backslash.
  EXPECT_EQ(DirectoryPart("C:\\\xB1\x5C\\Lumo.exe"), "C:\\\xB1\x5C\\");
  EXPECT_EQ(DirectoryPart("C:\\a\xB1\x5C"), "C:\\");
  EXPECT_EQ(DirectoryPart("D:\\\xB1\x3A"), "D:\\");
  EXPECT_EQ(DirectoryPart("\\\xB1\x5C"), "\\");
  // A lone lead byte at the end is a character of its own and hides nothing.
  EXPECT_EQ(DirectoryPart("C:\\x\\\xB1"), "C:\\x\\");
}

TEST(ProgramPath, OnASingleByteCodePageEveryByteIsACharacterOfItsOwn) {
  // Under code page 936, 0xE9 would start a character that swallows the backslash.
  SetLeadByteRanges({});
  const std::string folder = DirectoryPart("C:\\Caf\xE9\\Lumo.exe");
  SetLeadByteRanges(test::kCodePage936LeadBytes);
  EXPECT_EQ(folder, "C:\\Caf\xE9\\");
}

}  // namespace
}  // namespace lumo
