// The hotkey file on a real file system: the replacement in one step, and the old file
// surviving every save that cannot complete.
#include <windows.h>

#include <gtest/gtest.h>

#include "common/errors.h"
#include "hotkeys/hotkey_file.h"
#include "hotkeys/hotkey_store.h"
#include "platform/win_code_page.h"
#include "platform/win_files.h"
#include "support/process.h"

namespace lumo {
namespace {

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const FileError& error) {
    return error.what();
  }
  return "no error";
}

bool Missing(const std::string& path) {
  return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

HotkeyList SampleList() {
  auto rec = std::make_shared<HotkeyRec>();
  rec->Description = "\xD3\xA6\xB8\xB6\xBD\xF0\xB6\xEE";  // "应付金额"
  rec->Parameter = "Display=~%3^Speak=%3";
  rec->Ctrl = true;
  rec->Key = 69;
  rec->Active = true;
  return {rec};
}

TEST(WinCodePage, ConvertsWithTheAnsiCodePage) {
  WinCodePage code_page;
  const std::string gbk = "\xCA\xD5\xD2\xF8\xCC\xA8";  // "收银台"
  const std::string utf8 = "\xE6\x94\xB6\xE9\x93\xB6\xE5\x8F\xB0";
  EXPECT_EQ(code_page.AnsiToUtf8(gbk), utf8);
  EXPECT_EQ(code_page.AnsiToUtf8("Speak=%3"), "Speak=%3");
  EXPECT_EQ(code_page.Utf8ToAnsi(utf8), gbk);
  EXPECT_EQ(code_page.Utf16ToAnsi(u"\u6536\u94F6\u53F0"), gbk);
  EXPECT_EQ(code_page.Utf16ToAnsi(u""), "");
  // A character GBK lacks becomes the default character.
  EXPECT_EQ(code_page.Utf16ToAnsi(u"a\u0E01b"), "a?b");
}

class HotkeyFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = test::MakeProgramDir("hotkey-file");
    path_ = dir_ + "Lumo.hkd";
  }
  void TearDown() override { SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL); }

  std::string dir_;
  std::string path_;
  WinFileSystem files_;
  WinCodePage code_page_;
};

TEST_F(HotkeyFileOnDisk, SavesAndLoadsWithoutLeavingATemporaryFile) {
  const HotkeyList list = SampleList();
  SaveHotkeys(list, files_, code_page_, path_);
  EXPECT_TRUE(Missing(path_ + ".tmp"));
  const std::string bytes = test::ReadFile(path_);
  EXPECT_NE(bytes.find("\x14\x0C\x00\x00\x00\xE5\xBA\x94", 0, 8), std::string::npos);

  // Replaces an existing file, shorter content included.
  SaveHotkeys({}, files_, code_page_, path_);
  EXPECT_EQ(test::ReadFile(path_).size(), 35u);
  SaveHotkeys(list, files_, code_page_, path_);
  EXPECT_EQ(test::ReadFile(path_), bytes);

  HotkeyList loaded;
  LoadHotkeys(loaded, files_, code_page_, path_);
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_EQ(*loaded[0], *list[0]);
}

TEST_F(HotkeyFileOnDisk, AReadOnlyFileIsNotReplaced) {
  test::WriteFile(path_, "old");
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
  const std::string message =
      ErrorOf([&] { SaveHotkeys(SampleList(), files_, code_page_, path_); });
  EXPECT_EQ(message.find("Cannot create file \"" + path_ + "\". "), 0u) << message;
  EXPECT_GT(message.size(), ("Cannot create file \"" + path_ + "\". ").size());
  EXPECT_EQ(test::ReadFile(path_), "old");
  EXPECT_TRUE(Missing(path_ + ".tmp"));
}

TEST_F(HotkeyFileOnDisk, AFileHeldOpenIsNotReplaced) {
  test::WriteFile(path_, "old");
  HANDLE held = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string message =
      ErrorOf([&] { SaveHotkeys(SampleList(), files_, code_page_, path_); });
  CloseHandle(held);
  EXPECT_EQ(message.find("Cannot create file \"" + path_ + "\". "), 0u) << message;
  EXPECT_EQ(test::ReadFile(path_), "old");
  EXPECT_TRUE(Missing(path_ + ".tmp"));
}

TEST_F(HotkeyFileOnDisk, OpenErrorsNameTheFileAndTheReason) {
  EXPECT_FALSE(files_.Exists(path_));
  EXPECT_FALSE(files_.Exists(dir_ + "no such dir\\Lumo.hkd"));
  const std::string message = ErrorOf([&] {
    HotkeyList list;
    LoadHotkeys(list, files_, code_page_, path_);
  });
  const std::string prefix = "Cannot open file \"" + path_ + "\". ";
  ASSERT_EQ(message.find(prefix), 0u) << message;
  const std::string reason = message.substr(prefix.size());
  EXPECT_FALSE(reason.empty());
  EXPECT_NE(reason.back(), '\n');
  EXPECT_NE(reason.back(), '.');
}

TEST_F(HotkeyFileOnDisk, ADamagedFileIsCopiedBesideBeforeTheCloseReplacesIt) {
  const std::string damaged = std::string(
      "\x06\x03"
      "abc\x01\x06\x01"
      "x",
      8);
  test::WriteFile(path_, damaged);
  HotkeyStore store(files_, code_page_, path_);
  HotkeyList list;
  const std::string message = ErrorOf([&] { store.Load(list); });
  EXPECT_NE(message.find(path_ + ".bak"), std::string::npos) << message;
  EXPECT_EQ(test::ReadFile(path_ + ".bak"), damaged);
  store.Save(SampleList());
  EXPECT_EQ(test::ReadFile(path_ + ".bak"), damaged);
  HotkeyList loaded;
  LoadHotkeys(loaded, files_, code_page_, path_);
  EXPECT_EQ(loaded.size(), 1u);
}

}  // namespace
}  // namespace lumo
