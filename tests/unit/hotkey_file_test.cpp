#include "hotkeys/hotkey_file.h"

#include <gtest/gtest.h>

#include <climits>

#include "common/errors.h"
#include "support/error_message.h"
#include "support/iconv_code_page.h"
#include "support/memory_files.h"

namespace lumo {

void PrintTo(const HotkeyRec& rec, std::ostream* out) {
  *out << "{Key " << rec.Key << ", Ctrl " << rec.Ctrl << ", Alt " << rec.Alt << ", Shift "
       << rec.Shift << ", Win " << rec.Win << ", \"" << rec.Description << "\", Action "
       << rec.Action << ", \"" << rec.Parameter << "\", Active " << rec.Active << "}";
}

namespace {

using namespace std::string_literals;

const std::string kPath = "C:\\Pos\\Lumo.hkd";
const std::string kHeader = std::string("\x06\x1F") + "Hotkey definitions, version 1.0";

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

HotkeyRec Definition(std::string description, std::int32_t action, std::string parameter,
                     std::int32_t key) {
  HotkeyRec rec;
  rec.Description = std::move(description);
  rec.Action = action;
  rec.Parameter = std::move(parameter);
  rec.Key = key;
  return rec;
}

HotkeyList ListOf(std::initializer_list<HotkeyRec> records) {
  HotkeyList list;
  for (const HotkeyRec& rec : records) {
    list.push_back(std::make_shared<HotkeyRec>(rec));
  }
  return list;
}

class HotkeyFile : public ::testing::Test {
 protected:
  std::string Save(const HotkeyList& list) {
    SaveHotkeys(list, files_, code_page_, kPath);
    return files_.contents.at(kPath);
  }

  HotkeyList Load(const std::string& bytes) {
    files_.contents[kPath] = bytes;
    HotkeyList list;
    LoadHotkeys(list, files_, code_page_, kPath);
    return list;
  }

  // The error text of loading bytes, and what was loaded before it.
  std::string LoadError(const std::string& bytes, HotkeyList& loaded) {
    files_.contents[kPath] = bytes;
    return test::MessageOf<FileError>([&] { LoadHotkeys(loaded, files_, code_page_, kPath); });
  }

  static void ExpectSame(const HotkeyList& actual, const HotkeyList& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
      EXPECT_EQ(*actual[i], *expected[i]) << "definition " << i;
    }
  }

  test::MemoryFiles files_;
  test::IconvCodePage code_page_;
};

TEST_F(HotkeyFile, TheDocumentedExampleByteForByte) {
  HotkeyRec amount = Definition("Amount", 0, "Speak=%3", 69);
  amount.Ctrl = true;
  amount.Active = true;
  const HotkeyList list = ListOf({amount});
  const std::string expected = kHeader + "\x01" + Short("Amount") + "\x02\x00"s +
                               Short("Speak=%3") + "\x09\x08\x08\x08" + "\x02\x45" + "\x09" +
                               std::string(1, '\0');
  EXPECT_EQ(Save(list), expected);
  ExpectSame(Load(expected), list);
}

TEST_F(HotkeyFile, AnEmptyListIs35Bytes) {
  const std::string bytes = Save({});
  EXPECT_EQ(bytes, kHeader + "\x01" + std::string(1, '\0'));
  EXPECT_EQ(bytes.size(), 35u);
  EXPECT_TRUE(Load(bytes).empty());
}

TEST_F(HotkeyFile, LongTextsUseTheLongStringForm) {
  const HotkeyList list = ListOf({Definition(std::string(255, 'a'), 2, "", 0),
                                  Definition(std::string(300, 'b'), 0, std::string(256, 'c'), 1)});
  const std::string bytes = Save(list);
  // First group right after the header and the list tag.
  EXPECT_EQ(bytes.substr(34, 2), "\x06\xFF");
  const std::size_t second = 34 + 2 + 255 + 2 + 4 + 2 + 1;
  EXPECT_EQ(bytes.substr(second, 5), "\x0C" + Length4(300));
  EXPECT_EQ(bytes.substr(second + 5 + 300 + 2, 5), "\x0C" + Length4(256));
  ExpectSame(Load(bytes), list);
}

TEST_F(HotkeyFile, ChineseTextsAreStoredAsUtf8AndComeBackAsAnsi) {
  // "应付金额" and "显示=~%3^语音=%3" in GBK.
  const std::string description = "\xD3\xA6\xB8\xB6\xBD\xF0\xB6\xEE";
  const std::string parameter = "\xCF\xD4\xCA\xBE=~%3^\xD3\xEF\xD2\xF4=%3";
  HotkeyRec rec = Definition(description, 0, parameter, 70);
  rec.Alt = true;
  const HotkeyList list = ListOf({rec});
  const std::string bytes = Save(list);
  const std::string utf8 = "\xE5\xBA\x94\xE4\xBB\x98\xE9\x87\x91\xE9\xA2\x9D";
  EXPECT_EQ(bytes.substr(34, 5 + utf8.size()), "\x14" + Length4(12) + utf8);
  ExpectSame(Load(bytes), list);
}

TEST_F(HotkeyFile, OtherStringFormsAreRead) {
  // Header as a long string, description as UTF-16 "应付", parameter as UTF-8 "收".
  const std::string header = "\x0C" + Length4(3) + "any";
  const std::string wide = "\x12" + Length4(2) + "\x94\x5E\xD8\x4E";
  const std::string utf8 = "\x14" + Length4(3) + "\xE6\x94\xB6";
  const std::string bytes = header + "\x01" + wide + "\x02\x00"s + utf8 +
                            "\x08\x08\x08\x08\x02\x00\x08"s + std::string(1, '\0');
  const HotkeyList list = Load(bytes);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->Description, "\xD3\xA6\xB8\xB6");
  EXPECT_EQ(list[0]->Parameter, "\xCA\xD5");
}

TEST_F(HotkeyFile, OnlyTheCommandActionCarriesAParameter) {
  const std::string bytes = Save(ListOf({Definition("Console", 2, "Speak=%3", 5)}));
  EXPECT_EQ(bytes.substr(34), Short("Console") + "\x02\x02" + "\x08\x08\x08\x08" + "\x02\x05" +
                                  "\x08" + std::string(1, '\0'));
  ExpectSame(Load(bytes), ListOf({Definition("Console", 2, "", 5)}));
}

TEST_F(HotkeyFile, IntegersTakeTheShortestFormAndReadSignExtended) {
  const std::pair<std::int32_t, std::string> cases[] = {{-1, "\x02\xFF"},
                                                        {127, "\x02\x7F"},
                                                        {-128, "\x02\x80"},
                                                        {128, "\x03\x80\x00"s},
                                                        {-129, "\x03\x7F\xFF"},
                                                        {32767, "\x03\xFF\x7F"},
                                                        {-32768, "\x03\x00\x80"s},
                                                        {32768, "\x04" + Length4(32768)},
                                                        {-32769, "\x04" + Length4(0xFFFF7FFF)},
                                                        {INT_MIN, "\x04" + Length4(0x80000000)},
                                                        {INT_MAX, "\x04" + Length4(0x7FFFFFFF)}};
  for (const auto& [key, stored] : cases) {
    const std::string bytes = Save(ListOf({Definition("k", 3, "", key)}));
    // Key follows the description, the action and the four modifier flags.
    EXPECT_EQ(bytes.substr(34 + 3 + 2 + 4, stored.size()), stored) << key;
    const HotkeyList list = Load(bytes);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]->Key, key);
  }
}

TEST_F(HotkeyFile, ABooleanIsTrueOnlyForItsTrueTag) {
  // Ctrl stored as 0x07, Alt as 0x09, Shift as 0x00, Win as 0x01: the reading goes on.
  const std::string bytes = kHeader + "\x01" + Short("x") + "\x02\x01" + "\x07\x09\x00\x01"s +
                            "\x02\x1C" + "\x09" + std::string(1, '\0');
  HotkeyRec expected = Definition("x", 1, "", 28);
  expected.Alt = expected.Active = true;
  ExpectSame(Load(bytes), ListOf({expected}));
}

TEST_F(HotkeyFile, AHeaderOfAnotherVersionLoads) {
  const std::string bytes = Short("Hotkey definitions, version 2.0") + "\x01" + Short("a") +
                            "\x02\x01" + "\x09\x09\x09\x09\x02\x00\x09"s + std::string(1, '\0');
  const HotkeyList list = Load(bytes);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_TRUE(list[0]->Win);
}

TEST_F(HotkeyFile, ATruncatedFileKeepsTheCompleteDefinitions) {
  const HotkeyList list =
      ListOf({Definition("first", 0, "Speak=1", 69), Definition("second", 1, "", 70)});
  const std::string bytes = Save(list);
  const std::size_t first_end = 34 + 7 + 2 + 9 + 4 + 2 + 1;
  const std::size_t second_end = bytes.size() - 1;
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    HotkeyList loaded;
    EXPECT_EQ(LoadError(bytes.substr(0, length), loaded),
              "Cannot read file \"" + kPath + "\". Stream read error")
        << length;
    const std::size_t complete = (length >= first_end) + (length >= second_end);
    ASSERT_EQ(loaded.size(), complete) << length;
    for (std::size_t i = 0; i < complete; ++i) {
      EXPECT_EQ(*loaded[i], *list[i]);
    }
  }
}

TEST_F(HotkeyFile, AbsurdLengthsAreReadErrorsNotAllocations) {
  const std::string good = Short("ok") + "\x02\x02" + "\x08\x08\x08\x08\x02\x00\x08"s;
  const std::string bad_strings[] = {
      "\x0C" + Length4(0x7FFFFFFF) + "abc", "\x14" + Length4(0xFFFFFFFF) + "abc",
      "\x12" + Length4(0x80000000) + "abcd", "\x06\xC8" + std::string("abc")};
  for (const std::string& bad : bad_strings) {
    HotkeyList loaded;
    const std::string message = LoadError(kHeader + "\x01" + good + bad + "\x02\x02", loaded);
    EXPECT_NE(message.find("Stream read error"), std::string::npos) << message;
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0]->Description, "ok");
  }
}

TEST_F(HotkeyFile, WrongTagsAreReadErrors) {
  const std::string group = Short("a") + "\x02\x02" + "\x08\x08\x08\x08\x02\x00\x08"s;
  const std::string bad_files[] = {
      // no list tag
      kHeader + group + std::string(1, '\0'),
      // an integer where the header string belongs
      "\x02\x01\x01" + group + std::string(1, '\0'),
      // a string where the action belongs
      kHeader + "\x01" + Short("a") + Short("b"),
      // a Boolean tag where the key belongs
      kHeader + "\x01" + Short("a") + "\x02\x02" + "\x08\x08\x08\x08\x09\x08",
  };
  for (const std::string& bytes : bad_files) {
    HotkeyList loaded;
    EXPECT_EQ(LoadError(bytes, loaded),
              "Cannot read file \"" + kPath + "\". Invalid property value");
    EXPECT_TRUE(loaded.empty());
  }
}

TEST_F(HotkeyFile, ListsLargerThanTheBufferRoundTrip) {
  HotkeyList list;
  for (int i = 0; i < 300; ++i) {
    HotkeyRec rec = Definition("definition number " + std::to_string(i), i % 4,
                               i % 4 == 0 ? "Display=~%" + std::to_string(i) : "", i % 95);
    rec.Shift = i % 3 == 0;
    rec.Active = i % 2 == 0;
    list.push_back(std::make_shared<HotkeyRec>(rec));
  }
  list.push_back(std::make_shared<HotkeyRec>(
      Definition(std::string(9000, 'x'), 0, std::string(5000, '\xB0'), 1)));
  const std::string bytes = Save(list);
  EXPECT_GT(bytes.size(), 3 * kStreamBufferSize);
  ExpectSame(Load(bytes), list);
}

TEST_F(HotkeyFile, LoadingAppendsToTheList) {
  const std::string bytes = Save(ListOf({Definition("new", 2, "", 3)}));
  HotkeyList list = ListOf({Definition("old", 1, "", 4)});
  LoadHotkeys(list, files_, code_page_, kPath);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]->Description, "old");
  EXPECT_EQ(list[1]->Description, "new");
}

TEST_F(HotkeyFile, AFailedSaveLeavesTheOldFileAsItWas) {
  const std::string old_bytes = Save(ListOf({Definition("old", 2, "", 3)}));
  HotkeyList big;
  for (int i = 0; i < 400; ++i) {
    big.push_back(std::make_shared<HotkeyRec>(Definition("d" + std::to_string(i), 0, "p", 1)));
  }
  files_.fail_write_after = kStreamBufferSize + 10;
  EXPECT_THROW(Save(big), FileError);
  EXPECT_GE(files_.writes, 2);
  EXPECT_EQ(files_.contents.at(kPath), old_bytes);

  files_.fail_write_after.reset();
  files_.fail_commit = true;
  EXPECT_THROW(Save(big), FileError);
  EXPECT_EQ(files_.contents.at(kPath), old_bytes);

  files_.fail_commit = false;
  files_.fail_create = true;
  EXPECT_EQ(test::MessageOf<FileError>([&] { Save(big); }),
            "Cannot create file \"" + kPath + "\". Access is denied");
  EXPECT_EQ(files_.contents.at(kPath), old_bytes);
}

TEST_F(HotkeyFile, AFileThatCannotBeOpenedLeavesTheListAlone) {
  files_.open_errors[kPath] = "Access is denied";
  HotkeyList list = ListOf({Definition("mine", 1, "", 2)});
  EXPECT_EQ(test::MessageOf<FileError>([&] { LoadHotkeys(list, files_, code_page_, kPath); }),
            "Cannot open file \"" + kPath + "\". Access is denied");
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0]->Description, "mine");
}

}  // namespace
}  // namespace lumo
