#include "common/dbcs.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(Dbcs, StepsOverWholeCharacters) {
  // "应收" in GBK followed by ASCII; 0xCA 0x5C has a backslash as its trail byte.
  const std::string text =
      "\xD3\xA6\xCA\xD5"
      "a\xCA\x5C";
  EXPECT_EQ(CharLengthAt(text, 0), 2u);
  EXPECT_EQ(CharLengthAt(text, 4), 1u);
  EXPECT_EQ(CharLengthAt(text, 5), 2u);
  EXPECT_EQ(CharLengthAt("\xFE\x5C", 0), 2u);  // the last lead byte of the range
  // A lead byte at the very end has no partner: it stands alone.
  EXPECT_EQ(CharLengthAt(std::string("a\xD3"), 1), 1u);
  // Lead bytes run from 0x81 to 0xFE.
  EXPECT_EQ(CharLengthAt("\x80\x41", 0), 1u);
  EXPECT_EQ(CharLengthAt("\x81\x41", 0), 2u);
  EXPECT_EQ(CharLengthAt("\xFE\x41", 0), 2u);
  EXPECT_EQ(CharLengthAt("\xFF\x41", 0), 1u);
}

TEST(Dbcs, LastCharactersCountDoubleByteAsOne) {
  const std::string text = "12\xD4\xAA\xD5\xFB";  // "12元整"
  EXPECT_EQ(StartOfLastChars(text, 2), 2u);
  EXPECT_EQ(StartOfLastChars("12", 2), 0u);
  EXPECT_EQ(StartOfLastChars("a", 2), 0u);
  EXPECT_EQ(StartOfLastChars("", 2), 0u);
  EXPECT_EQ(StartOfLastChars("abc", 2), 1u);
}

}  // namespace
}  // namespace lumo
