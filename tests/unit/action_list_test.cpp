#include "screendef/action_list.h"

#include <gtest/gtest.h>

#include "action_entries.h"

namespace lumo {
namespace {

using namespace std::string_literals;

TEST(ParseActionList, TokensGiveKindAndTextInOrder) {
  const std::pair<std::string, std::string> cases[] = {
      // "SPEAK=<%1001%>元整&DISPLAY=~<%1002%>"
      {"SPEAK=<%1001%>\xD4\xAA\xD5\xFB&DISPLAY=~<%1002%>",
       "S'<%1001%>\xD4\xAA\xD5\xFB' D'~<%1002%>'"},
      // Prefixes in any letter case, the text keeps its own; only the first "=" belongs to
      // the prefix; anything else is an entry that does nothing, kept in its place.
      {"display=~Total", "D'~Total'"},
      {"sPeAk=Abc", "S'Abc'"},
      {"SPEAK=", "S''"},
      {"DISPLAY==x", "D'=x'"},
      {"DISPLAY SPEAKER=1 SPEAK DISPLAYS=2 =3 SPEAK=4", "D'' D'' D'' D'' D'' S'4'"},
      // Blanks and "&" separate tokens; blanks around "&" are no extra tokens; "&" at the
      // end, at the start and doubled each add an entry that does nothing.
      {"", ""},
      {" \t\r\n\x01\x1F ", ""},
      {"DISPLAY=~Total due", "D'~Total' D''"},
      {"DISPLAY=~a SPEAK=1\tDISPLAY=^b", "D'~a' S'1' D'^b'"},
      {"  SPEAK=1  &  DISPLAY=~a  ", "S'1' D'~a'"},
      {"SPEAK=1&", "S'1' D''"},
      {"&SPEAK=1", "D'' S'1'"},
      {"SPEAK=1&&SPEAK=2", "S'1' D'' S'2'"},
      {"SPEAK=1& &SPEAK=2", "S'1' D'' S'2'"},
      {"&", "D'' D''"},
      // Quoted tokens keep blanks and "&"; a doubled mark stands for one; reading goes on
      // right after the closing mark; a mark opens a quote only where a token begins.
      {"\"DISPLAY=~Total due\" & SPEAK=12", "D'~Total due' S'12'"},
      {"\"SPEAK=a&b\"", "S'a&b'"},
      {"\"DISPLAY=say \"\"hi\"\"\"", "D'say \"hi\"'"},
      {"\"SPEAK=\"\"\"", "S'\"'"},
      {"\"SPEAK=1\"SPEAK=2", "S'1' S'2'"},
      {"\"\"&SPEAK=2", "D'' S'2'"},
      {"DISPLAY=a\"b c\"", "D'a\"b' D''"},
      // An unclosed quote runs to the end, keeping the last character.
      {"SPEAK=1 & \"DISPLAY=~a b", "S'1' D'~a b'"},
      {"\"DISPLAY=x & y", "D'x & y'"},
      {"\"DISPLAY=x\"\"", "D'x\"'"},
      {"SPEAK=1 \"", "S'1' D''"},
      // A lead byte takes the byte after it along, even "&", a blank or a mark; were the
      // pair cut in the fourth, the mark after it would be doubled.
      {"DISPLAY=\xB0&SPEAK=1", "D'\xB0&SPEAK=1'"},
      {"DISPLAY=\xB0 SPEAK=1", "D'\xB0 SPEAK=1'"},
      {"\"DISPLAY=\xB0\" x\"", "D'\xB0\" x'"},
      {"\"SPEAK=\xB0\"\" & DISPLAY=~a", "S'\xB0\"' D'~a'"},
      // "应收 合计" unquoted and quoted; a lead byte at the very end stands alone.
      {"DISPLAY=~\xD3\xA6\xCA\xD5 \xBA\xCF\xBC\xC6", "D'~\xD3\xA6\xCA\xD5' D''"},
      {"\"DISPLAY=~\xD3\xA6\xCA\xD5 \xBA\xCF\xBC\xC6\"", "D'~\xD3\xA6\xCA\xD5 \xBA\xCF\xBC\xC6'"},
      {"DISPLAY=a\xB0", "D'a\xB0'"},
      {"\"DISPLAY=a\xB0", "D'a\xB0'"},
      // The value ends at a NUL byte.
      {"SPEAK=1 \0SPEAK=2"s, "S'1'"},
      {"SPEAK=1&\0"s, "S'1' D''"}};
  for (const auto& [value, entries] : cases) {
    EXPECT_EQ(test::Text(ParseActionList(value).get()), entries) << value;
  }
  // Nothing beyond the value is read: the mark after it does not double the closing one.
  EXPECT_EQ(test::Text(ParseActionList(std::string_view("\"SPEAK=1\"\"", 9)).get()), "S'1'");
}

TEST(ParseActionList, LongListsAreBuiltAndReleasedWhole) {
  // Releasing entry by entry recursively would overflow the stack here.
  EXPECT_EQ(test::Text(ParseActionList(std::string(500000, '&')).get()).size(), 500001u * 4 - 1);
}

}  // namespace
}  // namespace lumo
