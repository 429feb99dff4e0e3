// Files through the Win32 API: the texts of their errors, and a file in use that a
// replacement must leave alone.
#include "platform/win_files.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/errors.h"
#include "support/process.h"

namespace lumo::test {
namespace {

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const FileError& error) {
    return error.what();
  }
  return "no error";
}

TEST(WinFileSystem, ErrorsNameTheFileAndTheReasonAndAFileInUseIsNotReplaced) {
  const std::string dir = MakeProgramDir("win-files");
  const std::string path = dir + "Lumo.hkd";
  WinFileSystem files;
  EXPECT_FALSE(files.Exists(path));
  EXPECT_FALSE(files.Exists(dir + "no such dir\\Lumo.hkd"));
  const std::string open_error = ErrorOf([&] { files.OpenRead(path); });
  const std::string prefix = "Cannot open file \"" + path + "\". ";
  ASSERT_EQ(open_error.rfind(prefix, 0), 0u) << open_error;
  // The system's reason, without the line break and the full stop it comes with.
  EXPECT_GT(open_error.size(), prefix.size());
  EXPECT_NE(open_error.back(), '\n');
  EXPECT_NE(open_error.back(), '.');

  WriteFile(path, "old");
  const HANDLE holder =
      CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  const std::string create_error = ErrorOf([&] { files.CreateReplacement(path); });
  EXPECT_EQ(create_error.rfind("Cannot create file \"" + path + "\". ", 0), 0u) << create_error;
  CloseHandle(holder);
  EXPECT_EQ(ReadFile(path), "old");
  EXPECT_FALSE(FileExists(path + ".tmp"));
}

}  // namespace
}  // namespace lumo::test
