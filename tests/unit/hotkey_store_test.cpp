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
const std::string kBackup = kPath + ".bak";
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

// The file at start-up: none, good, damaged (the second definition ends early), or held open
// elsewhere (nothing can be read or copied then), released or gone by the close.
enum class Start { kNone, kGood, kDamaged, kHeld, kHeldThenGone };

TEST(HotkeyStore, AFileNotReadWholeIsReplacedOnlyByAChangeAndAfterOneCopy) {
  const std::string good = Bytes({Named("a"), Named("b")});
  const std::string damaged = good.substr(0, good.size() - 4);
  const std::string read_error = "Cannot read file \"" + kPath +
                                 "\". Stream read error\nA copy of the file was kept as \"" +
                                 kBackup + "\".";
  const std::string held_error = "Cannot open file \"" + kPath +
                                 "\". The process cannot access the file\nCannot create file \"" +
                                 kBackup + "\". Access is denied";
  const std::string notice = "The hotkey file \"" + kPath +
                             "\" could not be read at start-up. A copy of it was kept as \"" +
                             kBackup + "\" before it was replaced.";
  const struct {
    Start start;
    bool change;  // applied in the editor: the first definition edited, or one added
    std::string error, loaded, backup, notice;
  } rows[] = {{Start::kNone, true, "no error", "", "none", "none"},
              {Start::kGood, true, "no error", "ab", "none", "none"},
              {Start::kDamaged, false, read_error, "a", damaged, "none"},
              {Start::kDamaged, true, read_error, "a", damaged, "none"},
              {Start::kHeld, false, held_error, "", "none", "none"},
              {Start::kHeld, true, held_error, "", good, notice},
              {Start::kHeldThenGone, true, held_error, "", "none", "none"}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(row.start) << " " << row.change);
    const bool held = row.start == Start::kHeld || row.start == Start::kHeldThenGone;
    test::MemoryFiles files;
    if (row.start != Start::kNone) {
      files.contents[kPath] = row.start == Start::kDamaged ? damaged : good;
    }
    if (held) {
      files.open_errors[kPath] = "The process cannot access the file";
      files.fail_copy = true;
    }
    HotkeyStore store(files, kCodePage, kPath);
    HotkeyList list;
    EXPECT_EQ(test::MessageOf<FileError>([&] { store.Load(list); }), row.error);
    std::string loaded;
    for (const auto& rec : list) {
      loaded += rec->Description;
    }
    EXPECT_EQ(loaded, row.loaded);
    if (row.change && list.empty()) {
      list.push_back(Named("added"));
    } else if (row.change) {
      list[0]->Description = "edited";  // as many definitions, another content
    }
    const std::string before = files.contents.count(kPath) ? files.contents[kPath] : "none";
    if (held && row.change) {  // still no copy at close: the file is left alone
      EXPECT_THROW(store.Save(list), FileError);
      EXPECT_EQ(files.contents[kPath], before);
    }
    files.open_errors.clear();
    if (row.start == Start::kHeldThenGone) {
      files.contents.erase(kPath);
    }
    files.fail_copy = !held;  // a copy made at start-up is owed no more
    EXPECT_EQ(store.Save(list).value_or("none"), row.notice);
    files.fail_copy = true;  // nor after a save
    store.Save(list);
    EXPECT_EQ(files.contents[kPath], row.change ? Bytes(list) : before);
    EXPECT_EQ(files.contents.count(kBackup) ? files.contents[kBackup] : "none", row.backup);
  }
}

}  // namespace
}  // namespace lumo
