// The hotkey file: its stream format, the store that keeps a damaged file's copy, and the
// loading, saving and key presses of the main window.
#include <gtest/gtest.h>

#include <climits>

#include "common/errors.h"
#include "hotkeys/hotkey_actions.h"
#include "hotkeys/hotkey_file.h"
#include "hotkeys/hotkey_store.h"
#include "support/iconv_code_page.h"
#include "support/memory_files.h"

namespace lumo {
namespace {

using namespace std::string_literals;

using Texts = std::vector<std::string>;
const std::string kPath = "C:\\Pos\\Lumo.hkd";
const std::string kBackup = kPath + ".bak";
const std::string kHeader = std::string("\x06\x1F") + "Hotkey definitions, version 1.0" + "\x01";
const std::string kReadError = "Cannot read file \"" + kPath + "\". Stream read error";

// The message of the FileError that run raises, "no error" when there is none.
template <typename Run>
std::string FileErrorOf(Run run) {
  try {
    run();
  } catch (const FileError& error) {
    return error.what();
  }
  return "no error";
}

std::string Short(const std::string& text) {
  return std::string(1, '\x06') + static_cast<char>(text.size()) + text;
}

std::string Length4(std::uint32_t n) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) {
    bytes += static_cast<char>((n >> shift) & 0xFF);
  }
  return bytes;
}

// flags: Ctrl, Alt, Shift, Win and Active, as in "CS..A".
std::shared_ptr<HotkeyDefinition> Definition(std::string description, std::int32_t action,
                                             std::string parameter, std::int32_t key,
                                             std::string_view flags = ".....") {
  return std::make_shared<HotkeyDefinition>(
      HotkeyDefinition{key, flags[0] != '.', flags[1] != '.', flags[2] != '.', flags[3] != '.',
                       description, action, parameter, flags[4] != '.'});
}

class HotkeyFile : public ::testing::Test {
 protected:
  std::string Save(const HotkeyList& list) {
    SaveHotkeys(list, files_, code_page_, kPath);
    return files_.contents.at(kPath);
  }

  // Loads bytes into loaded; the error text, "no error" when there was none.
  std::string Load(const std::string& bytes, HotkeyList& loaded) {
    files_.contents[kPath] = bytes;
    return FileErrorOf([&] { LoadHotkeys(loaded, files_, code_page_, kPath); });
  }

  // The bytes loaded and saved again.
  std::string Resaved(const std::string& bytes) {
    HotkeyList loaded;
    EXPECT_EQ(Load(bytes, loaded), "no error");
    return Save(loaded);
  }

  test::MemoryFiles files_;
  test::IconvCodePage code_page_;
};

std::string Descriptions(const HotkeyList& list) {
  std::string descriptions;
  for (const auto& rec : list) {
    descriptions += rec->Description;
  }
  return descriptions;
}

TEST_F(HotkeyFile, WritesTheShortestFormsAndReadsThemBack) {
  const auto long_texts = Definition(std::string(300, 'b'), 0, std::string(256, 'c'), 1, "...W.");
  // "应付金额" and "显示=~%3^语音=%3" in GBK, stored as UTF-8.
  const auto chinese = Definition("\xD3\xA6\xB8\xB6\xBD\xF0\xB6\xEE", 0,
                                  "\xCF\xD4\xCA\xBE=~%3^\xD3\xEF\xD2\xF4=%3", 70, ".A...");
  const struct {
    HotkeyList list;
    std::string stored;  // between the list tag and the end of the list
  } cases[] = {
      {{}, ""},
      {HotkeyList({Definition("Amount", 0, "Speak=%3", 69, "C...A")}),
       Short("Amount") + "\x02\x00"s + Short("Speak=%3") + "\x09\x08\x08\x08\x02\x45\x09"},
      {HotkeyList({Definition(std::string(255, 'a'), 2, "", 0), long_texts}),
       Short(std::string(255, 'a')) + "\x02\x02\x08\x08\x08\x08\x02\x00\x08"s + "\x0C" +
           Length4(300) + std::string(300, 'b') + "\x02\x00"s + "\x0C" + Length4(256) +
           std::string(256, 'c') + "\x08\x08\x08\x09\x02\x01\x08"},
      {HotkeyList({chinese}),
       "\x14" + Length4(12) + "\xE5\xBA\x94\xE4\xBB\x98\xE9\x87\x91\xE9\xA2\x9D" + "\x02\x00"s +
           "\x14" + Length4(20) + "\xE6\x98\xBE\xE7\xA4\xBA=~%3^\xE8\xAF\xAD\xE9\x9F\xB3=%3" +
           "\x08\x09\x08\x08\x02\x46\x08"}};
  for (const auto& [list, stored] : cases) {
    EXPECT_EQ(Save(list), kHeader + stored + '\0');
    EXPECT_EQ(Resaved(kHeader + stored + '\0'), kHeader + stored + '\0');
  }
  // Only the command action carries a parameter.
  EXPECT_EQ(Save(HotkeyList({Definition("Console", 2, "Speak=%3", 5)})),
            kHeader + Short("Console") + "\x02\x02\x08\x08\x08\x08\x02\x05\x08"s + '\0');
}

TEST_F(HotkeyFile, IntegersTakeTheShortestFormAndReadSignExtended) {
  const std::pair<std::int32_t, std::string> cases[] = {{-1, "\x02\xFF"},
                                                        {127, "\x02\x7F"},
                                                        {-128, "\x02\x80"},
                                                        {128, "\x03\x80\x00"s},
                                                        {-129, "\x03\x7F\xFF"},
                                                        {32767, "\x03\xFF\x7F"},
                                                        {-32768, "\x03\x00\x80"s},
                                                        {32768, "\x04\x00\x80\0\0"s},
                                                        {-32769, "\x04\xFF\x7F\xFF\xFF"},
                                                        {INT_MIN, "\x04\0\0\0\x80"s},
                                                        {INT_MAX, "\x04\xFF\xFF\xFF\x7F"}};
  for (const auto& [key, stored] : cases) {
    const std::string bytes = kHeader + Short("k") + "\x02\x03\x08\x08\x08\x08"s + stored + "\x08";
    EXPECT_EQ(Save(HotkeyList({Definition("k", 3, "", key)})), bytes + '\0') << key;
    EXPECT_EQ(Resaved(bytes + '\0'), bytes + '\0') << key;
  }
}

TEST_F(HotkeyFile, ReadsEveryStringFormAnyHeaderAndOnlyTheTrueTagAsTrue) {
  // Header as a long string, description as UTF-16 "应付", parameter as UTF-8 "收"; then
  // Booleans stored as 0x07, 0x09, 0x00, 0x01 and 0x09.
  const std::string bytes = "\x0C" + Length4(3) + "any\x01" + "\x12" + Length4(2) +
                            "\x94\x5E\xD8\x4E" + "\x02\x00"s + "\x14" + Length4(3) +
                            "\xE6\x94\xB6" + "\x08\x08\x08\x08\x02\x00\x08"s + Short("x") +
                            "\x02\x01\x07\x09\x00\x01"s + "\x02\x1C\x09" + '\0';
  const HotkeyList expected = {Definition("\xD3\xA6\xB8\xB6", 0, "\xCA\xD5", 0),
                               Definition("x", 1, "", 28, ".A..A")};
  EXPECT_EQ(Resaved(bytes), Save(expected));
}

TEST_F(HotkeyFile, ATruncatedFileKeepsTheCompleteDefinitions) {
  const HotkeyList list =
      HotkeyList({Definition("first", 0, "Speak=1", 69), Definition("second", 1, "", 70)});
  const std::string bytes = Save(list);
  const std::size_t first_end = 34 + 7 + 2 + 9 + 4 + 2 + 1;
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    HotkeyList loaded;
    EXPECT_EQ(Load(bytes.substr(0, length), loaded), kReadError) << length;
    const std::size_t complete = (length >= first_end) + (length >= bytes.size() - 1);
    EXPECT_EQ(Save(loaded), Save(HotkeyList(list.begin(), list.begin() + complete))) << length;
  }
}

TEST_F(HotkeyFile, WrongTagsAndAbsurdLengthsAreErrorsAfterTheDefinitionsReadWhole) {
  const std::string good = Short("ok") + "\x02\x02" + "\x08\x08\x08\x08\x02\x00\x08"s;
  const std::string invalid = "Cannot read file \"" + kPath + "\". Invalid property value";
  const std::pair<std::string, std::string> cases[] = {
      {kHeader.substr(0, 33) + good + '\0', invalid},  // no list tag
      {"\x02\x01\x01" + good + '\0', invalid},         // an integer as the header
      {kHeader + Short("a") + Short("b"), invalid},    // a string as the action
      // A Boolean as the key.
      {kHeader + Short("a") + "\x02\x02\x08\x08\x08\x08\x09\x08"s, invalid},
      // Lengths past the end are read errors, not allocations.
      {kHeader + good + "\x0C" + Length4(0x7FFFFFFF) + "abc\x02\x02", kReadError},
      {kHeader + good + "\x14" + Length4(0xFFFFFFFF) + "abc\x02\x02", kReadError},
      {kHeader + good + "\x12" + Length4(0x80000000) + "abcd\x02\x02", kReadError},
      {kHeader + good + "\x06\xC8" + "abc\x02\x02", kReadError}};
  for (const auto& [bytes, error] : cases) {
    HotkeyList loaded = HotkeyList({Definition("old", 1, "", 4)});  // loading appends
    EXPECT_EQ(Load(bytes, loaded), error);
    EXPECT_EQ(Descriptions(loaded), error == kReadError ? "oldok" : "old");
  }
}

TEST_F(HotkeyFile, ListsLargerThanTheBufferRoundTrip) {
  HotkeyList list;
  for (int i = 0; i < 300; ++i) {
    list.push_back(Definition("definition number " + std::to_string(i), i % 4,
                              i % 4 == 0 ? "Display=~%" + std::to_string(i) : "", i % 95,
                              i % 3 == 0 ? "..S.A" : "....."));
  }
  list.push_back(Definition(std::string(9000, 'x'), 0, std::string(5000, '\xB0'), 1));
  const std::string bytes = Save(list);
  EXPECT_GT(bytes.size(), 3 * kStreamBufferSize);
  EXPECT_EQ(Resaved(bytes), bytes);
}

// The file at start-up: none, good, damaged (the second definition ends early), or held open
// elsewhere (nothing can be read or copied then), released or gone by the close.
enum class Start { kNone, kGood, kDamaged, kHeld, kHeldThenGone };

TEST_F(HotkeyFile, AFileNotReadWholeIsReplacedOnlyByAChangeAndAfterOneCopy) {
  const std::string good = Save({Definition("a", 0, "", 0), Definition("b", 0, "", 0)});
  const std::string damaged = good.substr(0, good.size() - 4);
  const std::string read_error =
      kReadError + "\nA copy of the file was kept as \"" + kBackup + "\".";
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
    HotkeyStore store(files, code_page_, kPath);
    HotkeyList list;
    EXPECT_EQ(FileErrorOf([&] { store.Load(list); }), row.error);
    EXPECT_EQ(Descriptions(list), row.loaded);
    if (row.change && list.empty()) {
      list.push_back(Definition("added", 0, "", 0));
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
    EXPECT_EQ(files.contents[kPath], row.change ? Save(list) : before);
    EXPECT_EQ(files.contents.count(kBackup) ? files.contents[kBackup] : "none", row.backup);
  }
}

// The hotkey component and the main window, recording their calls into one list.
class FakeWindow : public HotkeyComponent, public HotkeyHost {
 public:
  Texts calls;
  Texts errors;
  bool edit_enabled = true;
  bool settings_enabled = false;

  // Windows refuses the combination without a key.
  HotkeyEntry AddHotkey(std::uint8_t key, ModifierSet modifiers) override {
    calls.push_back("Add " + std::to_string(key) + " " + std::to_string(modifiers));
    return entries.emplace_back(HotkeyEntry{modifiers, key, key != 0});
  }
  void Delete(int) override {}
  void Clear() override { calls.push_back("Clear"); }
  int Count() const override { return static_cast<int>(entries.size()); }
  HotkeyEntry Entry(int index) const override { return entries.at(index); }
  bool Active() const override { return false; }
  void SetActive(bool value) override { calls.push_back(value ? "Active" : "Inactive"); }

  void RestoreFromTray() override { calls.push_back("RestoreFromTray"); }
  bool EditHotkeysEnabled() const override { return edit_enabled; }
  void OnEditHotkeys() override { calls.push_back("OnEditHotkeys"); }
  bool SettingsEnabled() const override { return settings_enabled; }
  void OnSettings() override { calls.push_back("OnSettings"); }
  void RunHotkeyCommand(const std::string& parameter) override {
    if (parameter == "Speak=%x") {
      throw ConversionError("x");
    }
    calls.push_back("Run " + parameter);
  }
  void ReportError(const std::string& text) override { errors.push_back(text); }
  void HotkeyInstalled(std::int32_t index, bool registered) override {
    calls.push_back("Installed " + std::to_string(index) + (registered ? "" : " refused"));
  }

 private:
  std::vector<HotkeyEntry> entries;
};

class HotkeyActionsTest : public HotkeyFile {
 protected:
  HotkeyList list_;
  FakeWindow window_;
  HotkeyStore store_{files_, code_page_, kPath};
  HotkeyActions actions_{list_, window_, store_, window_};
};

TEST_F(HotkeyActionsTest, InstallAddsEveryDefinitionInListOrderThenActivates) {
  list_ = {Definition("", 0, "Speak=%3", 69, "C...A"), Definition("", 2, "", -1),
           Definition("", 1, "", 69, "C...A"), Definition("", 2, "", 28, "..SWA")};
  actions_.InstallHotkeys();
  actions_.RemoveHotkeys();
  // F1 is component key 76, "A" is 34, no key is 0; inactive and repeated ones are added too,
  // so that the identifiers are the list's indices. Each is reported once active.
  EXPECT_EQ(window_.calls,
            (Texts{"Add 76 2", "Add 0 0", "Add 76 2", "Add 34 9", "Active", "Installed 0",
                   "Installed 1 refused", "Installed 2", "Installed 3", "Inactive", "Clear"}));
}

TEST_F(HotkeyActionsTest, APressRunsTheActionAskingTheMenuItemsAtThatMoment) {
  for (int action = 0; action <= 4; ++action) {
    list_.push_back(
        Definition("", action, action ? "" : "Display=~%3^Speak=%3", 69 + action, "C...A"));
  }
  list_.push_back(Definition("", 0, "", 74, "C...."));
  list_.push_back(Definition("", 0, "Speak=%x", 75, "C...A"));
  for (std::int32_t index : {0, 1, 2, 3, 4, 5, 7, -1}) {
    actions_.OnHotkeyPressed(index);
  }
  window_.edit_enabled = false;
  window_.settings_enabled = true;
  actions_.OnHotkeyPressed(1);
  actions_.OnHotkeyPressed(3);
  // An error is reported and ends only that key press.
  actions_.OnHotkeyPressed(6);
  actions_.OnHotkeyPressed(0);
  EXPECT_EQ(window_.calls, (Texts{"Run Display=~%3^Speak=%3", "OnEditHotkeys", "RestoreFromTray",
                                  "Run ", "OnSettings", "Run Display=~%3^Speak=%3"}));
  EXPECT_EQ(window_.errors, Texts{"'x' is not a valid integer value"});
}

TEST_F(HotkeyActionsTest, FileProblemsAreReportedAndNeverStopStartUpOrClose) {
  actions_.LoadHotkeys();  // first start: nothing to load, nothing to report
  files_.contents[kPath] = "\x06";
  actions_.LoadHotkeys();
  list_.push_back(Definition("", 2, "", 7));  // applied in the editor
  files_.fail_commit = true;
  actions_.SaveHotkeys();
  EXPECT_EQ(window_.errors,
            (Texts{kReadError + "\nA copy of the file was kept as \"" + kBackup + "\".",
                   "Cannot create file \"" + kPath + "\". Access is denied"}));
}

}  // namespace
}  // namespace lumo
