#include "announcer/command_expansion.h"

#include <gtest/gtest.h>

#include <set>

#include "fakes/command_fixture.h"

namespace lumo {
namespace {

// GBK bytes of the texts a register shows.
const std::string kYingShou = "\xD3\xA6\xCA\xD5";   // 应收
const std::string kYuanZheng = "\xD4\xAA\xD5\xFB";  // 元整
const std::string kHeJi = "\xBA\xCF\xBC\xC6";       // 合计
const std::string kNoInteger = "error: '' is not a valid integer value";

struct Case {
  bool attached;
  std::string text;
  std::string expected;
};

class ExpansionTest : public test::CommandFixture {
 protected:
  ExpansionTest() {
    texts.controls = {{1001, "12.50"}, {1002, kHeJi},      {7, "seven"},
                      {1004, "{2}"},   {1005, "<%1001%>"}, {1006, "A" + std::string(80, '\xBA')}};
    texts.descendants = {"first", "12.50", "third", std::string(40, '7')};
  }
  std::set<std::size_t> BufferSizes() const {
    return {texts.buffer_sizes.begin(), texts.buffer_sizes.end()};
  }
};

TEST_F(ExpansionTest, ActionTextsHaveEveryControlReferenceReplacedThenTheirBlankRuns) {
  const Case cases[] = {
      {true, "Hello", "Hello"},
      {true, kYingShou + "<%1001%>" + kYuanZheng + " <%1002%>!",
       kYingShou + "12.50" + kYuanZheng + " " + kHeJi + "!"},
      // Hex and padded numbers name a control too.
      {true, "<%1001%>/<%$3E9%>/<%  1001%>", "12.50/12.50/12.50"},
      // Markers out of order or unclosed stay literal, after a reference as well.
      {true, "a%>b<%7%>", "a%>b<%7%>"},
      {true, "a<%7", "a<%7"},
      {true, "<%7%>x%>y<%7%>", "sevenx%>y<%7%>"},
      {true, "<%7%>tail<%", "seventail<%"},
      // A control text is not expanded again, but its blank runs are.
      {true, "<%1004%>{2}", "    "},
      {true, "[<%1005%>]", "[<%1001%>]"},
      {true, "%3", "%3"},
      // A missing control or window gives an empty text; a long one is cut at 63 bytes.
      {true, "[<%1003%>]", "[]"},
      {false, "[<%1001%>]", "[]"},
      {true, "<%1006%>|", texts.controls[1006].substr(0, 63) + "|"},
      // A reference that is no integer is an error, detached as well.
      {true, "<%1001%><%x%>", "error: 'x' is not a valid integer value"},
      {true, "a<%>b", kNoInteger},
      {true, "<%%>", kNoInteger},
      {false, "<%1.5%>", "error: '1.5' is not a valid integer value"},
      {true, "<%1001%>{x}", "error: 'x' is not a valid integer value"}};
  for (const auto& [attached, text, expected] : cases) {
    const CommandContext context = attached ? Attached() : Detached();
    EXPECT_EQ(test::ResultOrError([&] { return ExpandActionText(context, text); }), expected)
        << text;
  }
  EXPECT_EQ(BufferSizes(), std::set<std::size_t>{kControlTextBuffer});
  // Without a window no control is looked up; a missing control's text is not read.
  texts.dialog_item_calls = 0;
  texts.buffer_sizes.clear();
  ExpandActionText(Detached(), "<%1001%>");
  ExpandActionText(Attached(), "<%1003%>");
  EXPECT_EQ(texts.dialog_item_calls, 1);
  EXPECT_TRUE(texts.buffer_sizes.empty());
}

TEST(ExpandBlanks, RunsBecomeThatManySpacesClampedToTheBufferAndStrayBracesStayLiteral) {
  const std::string max(19, ' ');
  const std::pair<std::string, std::string> cases[] = {
      {"Total{3}:{2}12.50", "Total   :  12.50"},
      {"A{0}B", "AB"},
      {"{19}", max},
      {"{$A}|{ 1}", std::string(10, ' ') + "| "},
      {"", ""},
      {"[{20}]", "[" + max + "]"},
      {"[{2147483647}]", "[" + max + "]"},
      {"[{-1}]", "[]"},
      {"[{-2147483648}]", "[]"},
      {"x}{2}", "x}{2}"},
      {"{2}x}{1}", "  x}{1}"},
      {"{2", "{2"},
      {"{}", kNoInteger},
      {"a{1}b{ }", "error: ' ' is not a valid integer value"},
      {"{1}{12a}", "error: '12a' is not a valid integer value"}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(test::ResultOrError([&] { return ExpandBlanks(text); }), expected) << text;
  }
}

TEST_F(ExpansionTest, HotkeyLinesGiveTheValueWithItsFirstPercentReferenceFilled) {
  const Case cases[] = {
      {true, "Speak=%2%3", "12.50%3"},
      {true, "Display=~Total %3 now", "~Total third now"},
      {true, "Speak=%02", "12.50"},
      {true, "a=b=%1", "b=first"},  // only the first "=" ends the name
      {true, "Display=~50%", "~50%"},
      {true, "Speak", "Speak"},
      {true, "Speak={2}", "{2}"},
      {true, "Speak=", ""},
      // The first "%" of a control reference is a percent reference; out of range reads
      // the last descendant, whose text is cut at 31 bytes.
      {true, "Speak=<%9%>", "<" + std::string(31, '7') + "%>"},
      {true, "Speak=%x", kNoInteger},
      {true, "Speak=%99999999999", "error: '99999999999' is not a valid integer value"},
      // Without a register window a reference is one space, and no number is converted.
      {false, "Display=~%2", "~ "},
      {false, "Speak=[%x]", "[ x]"},
      {false, "Speak=<%5%>", "< %>"}};
  for (const auto& [attached, text, expected] : cases) {
    const CommandContext context = attached ? Attached() : Detached();
    EXPECT_EQ(test::ResultOrError([&] { return ExpandHotkeyLine(context, text); }), expected)
        << text;
  }
  EXPECT_EQ(BufferSizes(), std::set<std::size_t>{kChildTextBuffer});
}

TEST(ExtractSpeechText, FirstNumberFollowedByTheLastTwoCharacters) {
  // A price is never cut short, whatever its length.
  const std::string long_number = "123456789012345678.90";
  const std::pair<std::string, std::string> cases[] = {
      {kYingShou + "12.50" + kYuanZheng, "12.50" + kYuanZheng},
      {kHeJi + " 8.5 \xD4\xAA", "8.5 \xD4\xAA"},
      {"No.5 total", ".5al"},
      {"12", "1212"},
      {"abc", "bc"},
      {"12a34", "1234"},
      {"", ""},
      {"x", "x"},
      {"\xD4\xAA", "\xD4\xAA"},
      {"7", "77"},
      {kYingShou + long_number + kYuanZheng, long_number + kYuanZheng}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ExtractSpeechText(text), expected) << text;
  }
}

}  // namespace
}  // namespace lumo
