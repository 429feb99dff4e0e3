// The loaders rely on these properties of the profile reader we ship
// (GetPrivateProfileStringA with a 2048-byte buffer), checked on real files written in GBK.
#include <gtest/gtest.h>

#include <string>

#include "platform/win_profile_reader.h"
#include "screendef/screen_definition_file.h"
#include "support/process.h"

namespace lumo {
namespace {

// "收银台 - 演示"
const std::string kCaption = "\xCA\xD5\xD2\xF8\xCC\xA8 - \xD1\xDD\xCA\xBE";

class ProfileReaderOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = test::MakeProgramDir("profile-reader");
    test::CopyFromBin(dir_, {"Lumo.exe"});
  }

  // Writes Lumo.sdf beside Lumo.exe and returns a reader over it, found by the path rule.
  WinProfileReader Write(const std::string& content) {
    const std::string path = ScreenDefinitionPath(dir_ + "Lumo.exe");
    test::WriteFile(path, content);
    return WinProfileReader(path);
  }

  std::string dir_;
};

TEST_F(ProfileReaderOnDisk, TrimsBlanksAndOnlyQuotesEnclosingTheWholeValue) {
  const WinProfileReader file = Write(
      "[Values]\r\n"
      "Double=\"a  b\"\r\n"
      "Single='a  b'\r\n"
      "Twice=\"\"DISPLAY=~a b\"\"\r\n"
      "Inner=\"a\" & \"b\"\r\n"
      "Unclosed=\"abc\r\n"
      "Closed=abc\"\r\n"
      "Mixed=\"abc'\r\n"
      "Padded =   padded  value   \r\n"
      "Equals=DISPLAY=~a=b\r\n"
      "Empty=\r\n");
  EXPECT_EQ(file.ReadString("Values", "Double", "-"), "a  b");
  EXPECT_EQ(file.ReadString("Values", "Single", "-"), "a  b");
  EXPECT_EQ(file.ReadString("Values", "Twice", "-"), "\"DISPLAY=~a b\"");
  // The first and the last character are taken off even when they are no pair of their own.
  EXPECT_EQ(file.ReadString("Values", "Inner", "-"), "a\" & \"b");
  EXPECT_EQ(file.ReadString("Values", "Unclosed", "-"), "\"abc");
  EXPECT_EQ(file.ReadString("Values", "Closed", "-"), "abc\"");
  EXPECT_EQ(file.ReadString("Values", "Mixed", "-"), "\"abc'");
  EXPECT_EQ(file.ReadString("Values", "Padded", "-"), "padded  value");
  // The key ends at the first "=", the value keeps every later one.
  EXPECT_EQ(file.ReadString("Values", "Equals", "-"), "DISPLAY=~a=b");
  // Present but empty is the empty text, not the default.
  EXPECT_EQ(file.ReadString("Values", "Empty", "-"), "");
}

TEST_F(ProfileReaderOnDisk, NamesMatchWithoutRegardToCaseAndMissingOnesGiveTheDefault) {
  const WinProfileReader file = Write(
      "; a comment line\r\n"
      "[window]\r\n"
      "caption=found\r\n"
      "[TIMER]\r\n"
      "ENABLE=1\r\n");
  EXPECT_EQ(file.ReadString("WINDOW", "Caption", "-"), "found");
  EXPECT_EQ(file.ReadString("Window", "CAPTION", "-"), "found");
  EXPECT_EQ(file.ReadString("timer", "Enable", "-"), "1");
  EXPECT_EQ(file.ReadString("WINDOW", "OnShow", "default"), "default");
  EXPECT_EQ(file.ReadString("RECT", "0", "0,0,0,0"), "0,0,0,0");
}

TEST_F(ProfileReaderOnDisk, ChineseTextComesBackAsTheSameGbkBytes) {
  const WinProfileReader file = Write("[WINDOW]\r\nCaption=" + kCaption +
                                      "\r\n"
                                      // "SPEAK=<%1001%>元整"
                                      "OnShow=SPEAK=<%1001%>\xD4\xAA\xD5\xFB\r\n");
  EXPECT_EQ(file.ReadString("WINDOW", "Caption", ""), kCaption);
  EXPECT_EQ(file.ReadString("WINDOW", "OnShow", ""), "SPEAK=<%1001%>\xD4\xAA\xD5\xFB");
}

TEST_F(ProfileReaderOnDisk, ValuesAreCutAfter2047BytesWithoutABytePutInByTheReader) {
  std::string fits(2047, 'x');
  fits[2046] = 'y';
  std::string longer;
  for (int i = 0; i < 3000; ++i) {
    longer += static_cast<char>('a' + i % 26);
  }
  // 1500 characters: the cut falls inside one (Even) or after a whole one (Odd).
  std::string chinese;
  for (int i = 0; i < 1500; ++i) {
    chinese += "\xCA\xD5";  // "收"
  }
  const WinProfileReader file =
      Write("[S]\r\nFits=" + fits + "\r\nLonger=" + longer + "\r\nAfter=1\r\nEven=" + chinese +
            "\r\nOdd=a" + chinese + "\r\n");
  EXPECT_EQ(file.ReadString("S", "Fits", ""), fits);
  EXPECT_EQ(file.ReadString("S", "Longer", ""), longer.substr(0, 2047));
  // The long line does not disturb the lines after it.
  EXPECT_EQ(file.ReadString("S", "After", ""), "1");
  const std::string even = file.ReadString("S", "Even", "");
  EXPECT_GE(even.size(), 2046u);
  EXPECT_LE(even.size(), 2047u);
  EXPECT_EQ(even, chinese.substr(0, even.size()));
  EXPECT_EQ(file.ReadString("S", "Odd", ""), ("a" + chinese).substr(0, 2047));
}

TEST_F(ProfileReaderOnDisk, AMissingFileGivesTheDefaultsAndStaysMissing) {
  const std::string path = ScreenDefinitionPath(dir_ + "Lumo.exe");
  const WinProfileReader file(path);
  EXPECT_EQ(file.ReadString("WINDOW", "Caption", ""), "");
  EXPECT_EQ(file.ReadString("TIMER", "Interval", "1000"), "1000");
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace lumo
