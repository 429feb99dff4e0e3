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
const test::IconvCodePage kCodePage;

std::shared_ptr<HotkeyRec> Named(const std::string& description) {
  auto rec = std::make_shared<HotkeyRec>();
  rec->Description = description;
  return rec;
}

std::string Bytes(const HotkeyList& list) {
  test::MemoryFiles scratch;
  SaveHotkeys(list, scratch, kCodePage, kPath);
  return scratch.contents.at(kPath);
}

std::string LoadError(HotkeyStore& store, HotkeyList& list) {
  return test::MessageOf<FileError>([&] { store.Load(list); });
}

std::string Backup(const test::MemoryFiles& files) {
  return files.contents.count(kBackup) ? files.contents.at(kBackup) : "none";
}

TEST(HotkeyStore, NoFileIsNoErrorAndAGoodFileIsReplacedWithoutACopy) {
  test::MemoryFiles files;
  HotkeyStore store(files, kCodePage, kPath);
  HotkeyList list;
  EXPECT_EQ(LoadError(store, list), "no error");
  EXPECT_TRUE(list.empty());
  files.contents[kPath] = Bytes({Named("old")});
  EXPECT_EQ(LoadError(store, list), "no error");
  list.push_back(Named("added"));
  store.Save(list);
  EXPECT_EQ(files.contents.at(kPath), Bytes({Named("old"), Named("added")}));
  EXPECT_EQ(Backup(files), "none");
}

TEST(HotkeyStore, ADamagedFileIsReportedAndKeptOnceBeforeTheCloseReplacesIt) {
  // One complete definition, then the second ends early.
  const std::string whole = Bytes({Named("kept"), Named("lost")});
  const std::string damaged = whole.substr(0, whole.size() - 4);
  test::MemoryFiles files;
  files.contents[kPath] = damaged;
  HotkeyStore store(files, kCodePage, kPath);
  HotkeyList list;
  EXPECT_EQ(LoadError(store, list), "Cannot read file \"" + kPath +
                                        "\". Stream read error\nA copy of the file was kept as \"" +
                                        kBackup + "\".");
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->Description, "kept");
  list.push_back(Named("applied"));
  // The copy is owed no more: the saves need no copy and never write over it.
  files.fail_copy = true;
  store.Save(list);
  store.Save(list);
  EXPECT_EQ(files.contents.at(kPath), Bytes(list));
  EXPECT_EQ(Backup(files), damaged);
}

TEST(HotkeyStore, AnUnreadableFileIsNeverWrittenOverWithoutACopy) {
  for (const bool readable_again : {true, false}) {
    test::MemoryFiles files;
    files.open_errors[kPath] = "The process cannot access the file";
    HotkeyStore store(files, kCodePage, kPath);
    HotkeyList list;
    EXPECT_EQ(LoadError(store, list),
              "Cannot open file \"" + kPath + "\". The process cannot access the file\n" +
                  "Cannot create file \"" + kBackup + "\". Access is denied");
    // Still no copy at close: the file is left alone.
    list.push_back(Named("typed since"));
    EXPECT_THROW(store.Save(list), FileError);
    EXPECT_EQ(files.contents.count(kPath), 0u);
    // Once the file can be read again it is copied first, then replaced; once it has gone
    // there is nothing to keep, now or at a later save.
    files.open_errors.clear();
    if (readable_again) {
      files.contents[kPath] = "old content";
    }
    store.Save(list);
    store.Save(list);
    EXPECT_EQ(Backup(files), readable_again ? "old content" : "none");
    EXPECT_EQ(files.contents.at(kPath), Bytes(list));
  }
}

}  // namespace
}  // namespace lumo
