// The hotkey file on a real file system: the reasons its errors give, and a damaged file
// kept beside before the close replaces it.
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

  std::string dir_;
  std::string path_;
  WinFileSystem files_;
  WinCodePage code_page_;
};

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
