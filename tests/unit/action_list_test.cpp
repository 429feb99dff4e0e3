#include "screendef/action_list.h"

#include <gtest/gtest.h>

#include "action_entries.h"

namespace lumo {
namespace {

using test::Entries;
using test::Entry;
using List = std::vector<Entry>;

List Parse(std::string_view value) {
  return Entries(ParseActionList(value));
}

TEST(ParseActionList, PrefixesGiveKindAndTextInTokenOrder) {
  // "SPEAK=<%1001%>元整&DISPLAY=~<%1002%>"
  EXPECT_EQ(Parse("SPEAK=<%1001%>\xD4\xAA\xD5\xFB&DISPLAY=~<%1002%>"),
            (List{{1, "<%1001%>\xD4\xAA\xD5\xFB"}, {0, "~<%1002%>"}}));
  // Prefixes in any letter case; the text keeps its own.
  EXPECT_EQ(Parse("display=~Total"), (List{{0, "~Total"}}));
  EXPECT_EQ(Parse("sPeAk=Abc"), (List{{1, "Abc"}}));
  EXPECT_EQ(Parse("SPEAK="), (List{{1, ""}}));
  EXPECT_EQ(Parse("DISPLAY="), (List{{0, ""}}));
  // Only the first "=" belongs to the prefix.
  EXPECT_EQ(Parse("DISPLAY==x"), (List{{0, "=x"}}));
  // Anything else is an entry that does nothing, kept in its place.
  EXPECT_EQ(Parse("DISPLAY SPEAKER=1 SPEAK DISPLAYS=2 =3 SPEAK=4"),
            (List{{0, ""}, {0, ""}, {0, ""}, {0, ""}, {0, ""}, {1, "4"}}));
}

TEST(ParseActionList, BlanksOnlyGiveTheEmptyList) {
  EXPECT_EQ(ParseActionList(""), nullptr);
  EXPECT_EQ(ParseActionList("   "), nullptr);
  EXPECT_EQ(ParseActionList(" \t\r\n\x01\x1F "), nullptr);
}

TEST(ParseActionList, BlanksAndAmpersandsSeparateTokens) {
  // A display text with a space falls apart into two entries.
  EXPECT_EQ(Parse("DISPLAY=~Total due"), (List{{0, "~Total"}, {0, ""}}));
  EXPECT_EQ(Parse("DISPLAY=~a SPEAK=1\tDISPLAY=^b"), (List{{0, "~a"}, {1, "1"}, {0, "^b"}}));
  // Blanks around "&" are no extra tokens.
  EXPECT_EQ(Parse("  SPEAK=1  &  DISPLAY=~a  "), (List{{1, "1"}, {0, "~a"}}));
  // "&" at the end, at the start and doubled each add an entry that does nothing.
  EXPECT_EQ(Parse("SPEAK=1&"), (List{{1, "1"}, {0, ""}}));
  EXPECT_EQ(Parse("&SPEAK=1"), (List{{0, ""}, {1, "1"}}));
  EXPECT_EQ(Parse("SPEAK=1&&SPEAK=2"), (List{{1, "1"}, {0, ""}, {1, "2"}}));
  EXPECT_EQ(Parse("SPEAK=1& &SPEAK=2"), (List{{1, "1"}, {0, ""}, {1, "2"}}));
  EXPECT_EQ(Parse("&"), (List{{0, ""}, {0, ""}}));
}

TEST(ParseActionList, QuotedTokensKeepBlanksAndAmpersands) {
  EXPECT_EQ(Parse("\"DISPLAY=~Total due\" & SPEAK=12"), (List{{0, "~Total due"}, {1, "12"}}));
  EXPECT_EQ(Parse("\"SPEAK=a&b\""), (List{{1, "a&b"}}));
  // A doubled mark stands for one mark.
  EXPECT_EQ(Parse("\"DISPLAY=say \"\"hi\"\"\""), (List{{0, "say \"hi\""}}));
  EXPECT_EQ(Parse("\"SPEAK=\"\"\""), (List{{1, "\""}}));
  // Reading goes on right after the closing mark.
  EXPECT_EQ(Parse("\"SPEAK=1\"SPEAK=2"), (List{{1, "1"}, {1, "2"}}));
  EXPECT_EQ(Parse("\"\"&SPEAK=2"), (List{{0, ""}, {1, "2"}}));
  // A mark opens a quoted token only where a token begins.
  EXPECT_EQ(Parse("DISPLAY=a\"b c\""), (List{{0, "a\"b"}, {0, ""}}));
}

TEST(ParseActionList, UnclosedQuoteRunsToTheEndKeepingTheLastCharacter) {
  EXPECT_EQ(Parse("SPEAK=1 & \"DISPLAY=~a b"), (List{{1, "1"}, {0, "~a b"}}));
  EXPECT_EQ(Parse("\"DISPLAY=x & y"), (List{{0, "x & y"}}));
  EXPECT_EQ(Parse("\"DISPLAY=x\"\""), (List{{0, "x\""}}));
  EXPECT_EQ(Parse("SPEAK=1 \""), (List{{1, "1"}, {0, ""}}));
}

TEST(ParseActionList, DoubleByteCharactersAreNeverCut) {
  // A lead byte takes the byte after it along, even when that is "&", a blank or a mark.
  EXPECT_EQ(Parse("DISPLAY=\xB0&SPEAK=1"), (List{{0, "\xB0&SPEAK=1"}}));
  EXPECT_EQ(Parse("DISPLAY=\xB0 SPEAK=1"), (List{{0, "\xB0 SPEAK=1"}}));
  EXPECT_EQ(Parse("\"DISPLAY=\xB0\" x\""), (List{{0, "\xB0\" x"}}));
  // Here the mark after the pair closes the token; were the pair cut, it would be doubled.
  EXPECT_EQ(Parse("\"SPEAK=\xB0\"\" & DISPLAY=~a"), (List{{1, "\xB0\""}, {0, "~a"}}));
  // "应收 合计" quoted and unquoted.
  EXPECT_EQ(Parse("DISPLAY=~\xD3\xA6\xCA\xD5 \xBA\xCF\xBC\xC6"),
            (List{{0, "~\xD3\xA6\xCA\xD5"}, {0, ""}}));
  EXPECT_EQ(Parse("\"DISPLAY=~\xD3\xA6\xCA\xD5 \xBA\xCF\xBC\xC6\""),
            (List{{0, "~\xD3\xA6\xCA\xD5 \xBA\xCF\xBC\xC6"}}));
  // A lead byte at the very end stands alone.
  EXPECT_EQ(Parse("DISPLAY=a\xB0"), (List{{0, "a\xB0"}}));
  EXPECT_EQ(Parse("\"DISPLAY=a\xB0"), (List{{0, "a\xB0"}}));
}

TEST(ParseActionList, ValueEndsAtANulByte) {
  EXPECT_EQ(Parse(std::string_view("SPEAK=1 \0SPEAK=2", 16)), (List{{1, "1"}}));
  EXPECT_EQ(Parse(std::string_view("SPEAK=1&\0", 9)), (List{{1, "1"}, {0, ""}}));
}

TEST(ParseActionList, LongListsAreBuiltAndReleasedWhole) {
  // Releasing entry by entry recursively would overflow the stack here.
  const std::string value(500000, '&');
  ActionList list = ParseActionList(value);
  std::size_t count = 0;
  for (const TLumoAction* action = list.get(); action; action = action->Next.get()) {
    ++count;
  }
  EXPECT_EQ(count, value.size() + 1);
  list.reset();
  EXPECT_EQ(list, nullptr);
}

}  // namespace
}  // namespace lumo
