// Values read from text: double-byte characters, numbers, paths, rectangles and profile
// entries.
#include <gtest/gtest.h>

#include <tuple>

#include "common/dbcs.h"
#include "common/number_text.h"
#include "common/program_path.h"
#include "fake_profile_reader.h"
#include "screendef/profile_values.h"
#include "screendef/rectangle_value.h"
#include "support/iconv_code_page.h"

namespace lumo {
namespace {

TEST(Dbcs, StepsOverWholeCharactersAndCountsOneOfTwoBytesAsOneOfTheLast) {
  // Lead bytes run from 0x81 to 0xFE; a trail byte may be a backslash; a lead byte at the very
  // end has no partner and stands alone. "应收" and "12元整" in GBK.
  const std::string text = "\xD3\xA6\xCA\xD5\x61\xCA\x5C";
  const std::tuple<std::string, std::size_t, std::size_t> lengths[] = {
      {text, 0, 2},       {text, 4, 1},       {text, 5, 2},       {"a\xD3", 1, 1},
      {"\x80\x41", 0, 1}, {"\x81\x41", 0, 2}, {"\xFE\x5C", 0, 2}, {"\xFF\x41", 0, 1}};
  for (const auto& [bytes, at, length] : lengths) {
    EXPECT_EQ(CharLengthAt(bytes, at), length) << bytes << " " << at;
  }
  const std::pair<const char*, std::size_t> last_two[] = {
      {"12\xD4\xAA\xD5\xFB", 2}, {"12", 0}, {"a", 0}, {"", 0}, {"abc", 1}};
  for (const auto& [bytes, start] : last_two) {
    EXPECT_EQ(StartOfLastChars(bytes, 2), start) << bytes;
  }
}

TEST(TextToInt32, DecimalAndTwosComplementHexWithinThe32BitRangeAndNothingElse) {
  const std::pair<const char*, std::int32_t> cases[] = {{"2147483647", 2147483647},
                                                        {"-2147483648", -2147483648},
                                                        {"+5", 5},
                                                        {"007", 7},
                                                        {"  12", 12},
                                                        {"$FFFFFFFF", -1},
                                                        {"x1A", 26},
                                                        {"X1a", 26},
                                                        {"0x7fffffff", 2147483647},
                                                        {"0X80000000", -2147483648},
                                                        {"-$10", -16},
                                                        {"$0000003E9", 1001},
                                                        {"0x00000000FFFFFFFF", -1}};
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(TextToInt32(text), value) << text;
  }
  // Out of range or not wholly a number.
  for (const char* text :
       {"2147483648", "-2147483649", "99999999999999999999", "$123456789", "$0123456789", "0x", "$",
        "0xG", "", " ", "-", "12 ", "1 2", "- 5", "True", "1.5", "\t12"}) {
    EXPECT_EQ(TextToInt32(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(ProgramPath, FilesLieBesideTheExecutableAndTrailBytesAreNoSeparators) {
  EXPECT_EQ(FileBesideProgram("C:\\Pos\\Lumo.exe", "Lumo.sdf"), "C:\\Pos\\Lumo.sdf");
  EXPECT_EQ(FileBesideProgram("C:Lumo.exe", "Lumo.sdf"), "C:\\Lumo.sdf");
  EXPECT_EQ(FileBesideProgram("Lumo.exe", "tmp.bmp"), "\\tmp.bmp");
  // "\xB1\x5C" is one double-byte character whose trail byte is a backslash; a lone lead
  // byte at the end is a character of its own and hides nothing.
  const std::pair<const char*, const char*> folders[] = {
      {"C:\\\xB1\x5C\\Lumo.exe", "C:\\\xB1\x5C\\"},
      {"C:\\a\xB1\x5C", "C:\\"},
      {"D:\\\xB1\x3A", "D:\\"},
      {"\\\xB1\x5C", "\\"},
      {"C:\\x\\\xB1", "C:\\x\\"}};
  for (const auto& [path, folder] : folders) {
    EXPECT_EQ(DirectoryPart(path), folder) << path;
  }
  // On a single-byte code page every byte is a character of its own; under code page 936,
  // 0xE9 would start a character that swallows the backslash.
  SetLeadByteRanges({});
  const std::string folder = DirectoryPart("C:\\Caf\xE9\\Lumo.exe");
  SetLeadByteRanges(test::kCodePage936LeadBytes);
  EXPECT_EQ(folder, "C:\\Caf\xE9\\");
}

using Rect = CaptureRectangle;

TEST(ParseRectangle, FourIntegersInOrderLeftTopRightBottom) {
  // Items after the fourth are ignored, numbers or not.
  const struct {
    const char* text;
    Rect expected;
  } cases[] = {{"10,20,110,40", 10, 20, 110, 40},
               {" 10, 20 ,110 , 40 ", 10, 20, 110, 40},
               {"10 20\t110 40", 10, 20, 110, 40},
               {"$A,0x14,-5,+7", 10, 20, -5, 7},
               {"\"1\",2,\"3\",4", 1, 2, 3, 4},
               {"1,2,3,4,5", 1, 2, 3, 4},
               {"1,2,3,4,x,", 1, 2, 3, 4},
               {"-2147483648,2147483647,$FFFFFFFF,0", INT32_MIN, INT32_MAX, -1, 0}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ParseRectangle(text), expected) << text;
  }
  // Fewer than four numbers is none: a comma at the end and a doubled comma add empty items, which
  // are no numbers.
  for (const char* text : {"", "   ", "1,2,3", "1;2;3;4", "1,2,3,", "1,,3,4", "1,2,x,4",
                           "1,2,3,2147483648", "1,2,3,4.0", "\"1,2\",3,4"}) {
    EXPECT_EQ(ParseRectangle(text), std::nullopt) << text;
  }
}

TEST(ProfileValues, TheDefaultUnlessTheWholeValueIsANumberAndBooleansAreAnyNonZero) {
  const test::FakeProfileReader file("[S]\nhex=0x1F4\nminus=-1\nhexzero=$0\nword=True\nempty=");
  EXPECT_EQ(ReadInteger(file, "S", "hex", 7), 500);
  EXPECT_TRUE(ReadBool(file, "S", "minus", false));
  EXPECT_FALSE(ReadBool(file, "S", "hexzero", true));
  for (const char* key : {"word", "empty", "missing"}) {
    EXPECT_EQ(ReadInteger(file, "S", key, -7), -7) << key;
    EXPECT_TRUE(ReadBool(file, "S", key, true)) << key;
    EXPECT_FALSE(ReadBool(file, "S", key, false)) << key;
  }
}

}  // namespace
}  // namespace lumo
