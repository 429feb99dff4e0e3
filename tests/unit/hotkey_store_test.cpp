#include "hotkeys/hotkey_store.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "hotkeys/hotkey_file.h"
#include "support/error_message.h"
#include "support/iconv_code_page.h"
#include "support/memory_files.h"

namespace lumo {
namespace {

const std::string kPath = "C:\\Pos\\Lumo.hkd";
const std::string kBackup = "C:\\Pos\\Lumo.hkd.bak";

std::shared_ptr<HotkeyRec> Named(const std::string& description) {
  auto rec = std::make_shared<HotkeyRec>();
  rec->Description = description;
  rec->Action = 2;
  rec->Key = 70;
  return rec;
}

class HotkeyStoreTest : public ::testing::Test {
 protected:
  std::string Bytes(const HotkeyList& list) {
    test::MemoryFiles scratch;
    SaveHotkeys(list, scratch, code_page_, kPath);
    return scratch.contents.at(kPath);
  }

  static std::string LoadError(HotkeyStore& store, HotkeyList& list) {
    return test::MessageOf<FileError>([&] { store.Load(list); });
  }

  test::MemoryFiles files_;
  test::IconvCodePage code_page_;
};

TEST_F(HotkeyStoreTest, TheFirstStartHasNoFileAndNoError) {
  HotkeyStore store(files_, code_page_, kPath);
  HotkeyList list;
  EXPECT_NO_THROW(store.Load(list));
  EXPECT_TRUE(list.empty());
  EXPECT_EQ(files_.contents.count(kBackup), 0u);

  list.push_back(Named("new"));
  store.Save(list);
  EXPECT_EQ(files_.contents.at(kPath), Bytes(list));
  EXPECT_EQ(files_.contents.count(kBackup), 0u);
}

TEST_F(HotkeyStoreTest, ADamagedFileIsReportedAndKeptBeforeTheCloseReplacesIt) {
  // One complete definition, then the second ends early.
  const std::string whole = Bytes({Named("kept"), Named("lost")});
  const std::string damaged = whole.substr(0, whole.size() - 4);
  files_.contents[kPath] = damaged;
  HotkeyStore store(files_, code_page_, kPath);
  HotkeyList list;
  EXPECT_EQ(LoadError(store, list), "Cannot read file \"" + kPath +
                                        "\". Stream read error\nA copy of the file was kept as \"" +
                                        kBackup + "\".");
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->Description, "kept");
  EXPECT_EQ(files_.contents.at(kBackup), damaged);

  list.push_back(Named("applied"));
  store.Save(list);
  EXPECT_EQ(files_.contents.at(kPath), Bytes(list));
  EXPECT_EQ(files_.contents.at(kBackup), damaged);
}

TEST_F(HotkeyStoreTest, AnUnreadableFileIsNeverWrittenOverWithoutACopy) {
  files_.open_errors[kPath] = "The process cannot access the file";
  HotkeyStore store(files_, code_page_, kPath);
  HotkeyList list;
  const std::string message = LoadError(store, list);
  EXPECT_EQ(message.find("Cannot open file \"" + kPath + "\". The process cannot access the file"),
            0u);
  EXPECT_NE(message.find("Cannot create file \"" + kBackup + "\""), std::string::npos);
  EXPECT_TRUE(list.empty());

  // Still no copy at close: the file is left alone.
  list.push_back(Named("typed since"));
  EXPECT_THROW(store.Save(list), FileError);
  EXPECT_EQ(files_.contents.count(kPath), 0u);

  // Once the file can be read again, it is copied first and then replaced.
  files_.open_errors.clear();
  files_.contents[kPath] = "old content";
  store.Save(list);
  EXPECT_EQ(files_.contents.at(kBackup), "old content");
  EXPECT_EQ(files_.contents.at(kPath), Bytes(list));
}

TEST_F(HotkeyStoreTest, AFailedSaveAtCloseKeepsTheOldFile) {
  const std::string old_bytes = Bytes({Named("old")});
  files_.contents[kPath] = old_bytes;
  HotkeyStore store(files_, code_page_, kPath);
  HotkeyList list;
  store.Load(list);
  ASSERT_EQ(list.size(), 1u);
  list.push_back(Named("added"));
  files_.fail_commit = true;
  EXPECT_THROW(store.Save(list), FileError);
  EXPECT_EQ(files_.contents.at(kPath), old_bytes);
  EXPECT_EQ(files_.contents.count(kBackup), 0u);
}

}  // namespace
}  // namespace lumo
