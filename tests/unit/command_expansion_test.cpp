#include "announcer/command_expansion.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "fakes/command_fixture.h"

namespace lumo {
namespace {

// GBK bytes of the texts a register shows.
const std::string kYingShou = "\xD3\xA6\xCA\xD5";   // 应收
const std::string kYuanZheng = "\xD4\xAA\xD5\xFB";  // 元整
const std::string kHeJi = "\xBA\xCF\xBC\xC6";       // 合计

using test::kRegister;

using test::ConversionMessage;
using ExpansionTest = test::CommandFixture;

using ExpandActionTextTest = ExpansionTest;

TEST_F(ExpandActionTextTest, ReplacesEveryControlReferenceByItsText) {
  texts.AddControl(kRegister, 1001, 0x201, "12.50");
  texts.AddControl(kRegister, 1002, 0x202, kHeJi);
  EXPECT_EQ(ExpandActionText(Attached(), "Hello"), "Hello");
  EXPECT_EQ(ExpandActionText(Attached(), "<%1001%>"), "12.50");
  EXPECT_EQ(ExpandActionText(Attached(), kYingShou + "<%1001%>" + kYuanZheng + " <%1002%>!"),
            kYingShou + "12.50" + kYuanZheng + " " + kHeJi + "!");
  // Same control twice, hex and padded numbers name it too.
  EXPECT_EQ(ExpandActionText(Attached(), "<%1001%>/<%$3E9%>/<%  1001%>"), "12.50/12.50/12.50");
  // Controls are read through a 64-byte buffer.
  EXPECT_EQ(texts.buffer_sizes, std::vector<std::size_t>(6, 64));
}

TEST_F(ExpandActionTextTest, MarkersOutOfOrderOrUnclosedStayLiteral) {
  texts.AddControl(kRegister, 7, 0x207, "seven");
  EXPECT_EQ(ExpandActionText(Attached(), "a%>b<%7%>"), "a%>b<%7%>");
  EXPECT_EQ(ExpandActionText(Attached(), "a<%7"), "a<%7");
  // After one reference the rest is taken literally once the markers stop pairing.
  EXPECT_EQ(ExpandActionText(Attached(), "<%7%>x%>y<%7%>"), "sevenx%>y<%7%>");
  EXPECT_EQ(ExpandActionText(Attached(), "<%7%>tail<%"), "seventail<%");
}

TEST_F(ExpandActionTextTest, AControlTextIsNotExpandedAgainButItsBlankRunsAre) {
  texts.AddControl(kRegister, 1001, 0x201, "{2}");
  texts.AddControl(kRegister, 1002, 0x202, "<%1001%>");
  EXPECT_EQ(ExpandActionText(Attached(), "<%1001%>{2}"), "    ");
  EXPECT_EQ(ExpandActionText(Attached(), "[<%1002%>]"), "[<%1001%>]");
  // A percent reference is not part of this grammar.
  EXPECT_EQ(ExpandActionText(Attached(), "%3"), "%3");
}

TEST_F(ExpandActionTextTest, MissingWindowOrControlGivesEmptyText) {
  texts.AddControl(kRegister, 1001, 0x201, "12.50");
  EXPECT_EQ(ExpandActionText(Detached(), "[<%1001%>]"), "[]");
  EXPECT_EQ(texts.dialog_item_calls, 0);
  EXPECT_EQ(ExpandActionText(Attached(), "[<%1003%>]"), "[]");
  EXPECT_TRUE(texts.buffer_sizes.empty());
}

TEST_F(ExpandActionTextTest, ALongControlTextIsCutAt63Bytes) {
  std::string long_text;
  for (int i = 0; i < 40; ++i) {
    long_text += kHeJi.substr(0, 2);
  }
  texts.AddControl(kRegister, 1001, 0x201, "A" + long_text);
  EXPECT_EQ(ExpandActionText(Attached(), "<%1001%>|"), ("A" + long_text).substr(0, 63) + "|");
}

TEST_F(ExpandActionTextTest, ANonIntegerReferenceIsAConversionError) {
  texts.AddControl(kRegister, 1001, 0x201, "12.50");
  EXPECT_EQ(ConversionMessage([&] { ExpandActionText(Attached(), "<%1001%><%x%>"); }),
            "'x' is not a valid integer value");
  EXPECT_EQ(ConversionMessage([&] { ExpandActionText(Attached(), "a<%>b"); }),
            "'' is not a valid integer value");
  EXPECT_EQ(ConversionMessage([&] { ExpandActionText(Attached(), "<%%>"); }),
            "'' is not a valid integer value");
  // Detached, the number is still converted.
  EXPECT_EQ(ConversionMessage([&] { ExpandActionText(Detached(), "<%1.5%>"); }),
            "'1.5' is not a valid integer value");
  EXPECT_EQ(ConversionMessage([&] { ExpandActionText(Attached(), "<%1001%>{x}"); }),
            "'x' is not a valid integer value");
}

TEST(ExpandBlanks, RunsBecomeThatManySpacesClampedToTheBufferAndStrayBracesStayLiteral) {
  const std::string max(19, ' ');
  const std::pair<std::string, std::string> cases[] = {{"Total{3}:{2}12.50", "Total   :  12.50"},
                                                       {"A{0}B", "AB"},
                                                       {"{19}", max},
                                                       {"{$A}|{ 1}", std::string(10, ' ') + "| "},
                                                       {"Hello", "Hello"},
                                                       {"", ""},
                                                       {"[{20}]", "[" + max + "]"},
                                                       {"[{2147483647}]", "[" + max + "]"},
                                                       {"[{-1}]", "[]"},
                                                       {"[{-2147483648}]", "[]"},
                                                       {"x}{2}", "x}{2}"},
                                                       {"{2}x}{1}", "  x}{1}"},
                                                       {"{2", "{2"}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ExpandBlanks(text), expected) << text;
  }
}

TEST(ExpandBlanks, ANonIntegerRunIsAConversionError) {
  for (const char* text : {"{}", "{x}", "a{1}b{ }"}) {
    EXPECT_THROW(ExpandBlanks(text), ConversionError) << text;
  }
  EXPECT_EQ(ConversionMessage([] { ExpandBlanks("{1}{12a}"); }),
            "'12a' is not a valid integer value");
}

using ExpandHotkeyLineTest = ExpansionTest;

TEST_F(ExpandHotkeyLineTest, FillsTheFirstPercentReferenceOfTheValue) {
  texts.AddDescendant(kRegister, 0x301, "first");
  texts.AddDescendant(kRegister, 0x302, "12.50");
  texts.AddDescendant(kRegister, 0x303, "third");
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "Speak=%2%3"), "12.50%3");
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "Display=~Total %3 now"), "~Total third now");
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "Speak=%02"), "12.50");
  // Only the first "=" separates the name.
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "a=b=%1"), "b=first");
  // Descendants are read through a 32-byte buffer.
  EXPECT_EQ(texts.buffer_sizes, std::vector<std::size_t>(4, 32));
}

TEST_F(ExpandHotkeyLineTest, TextWithoutAReferenceComesBackAfterTheName) {
  texts.AddDescendant(kRegister, 0x301, "first");
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "Display=~50%"), "~50%");
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "Speak"), "Speak");
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "Speak={2}"), "{2}");
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "Speak="), "");
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "Hello"), "Hello");
  EXPECT_TRUE(texts.buffer_sizes.empty());
}

TEST_F(ExpandHotkeyLineTest, TheFirstPercentOfAControlReferenceIsAPercentReference) {
  texts.AddDescendant(kRegister, 0x301, "first");
  texts.AddDescendant(kRegister, 0x302, "second");
  // Five is out of range: the last descendant is read.
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "Speak=<%5%>"), "<second%>");
  EXPECT_EQ(ExpandHotkeyLine(Detached(), "Speak=<%5%>"), "< %>");
}

TEST_F(ExpandHotkeyLineTest, WithoutARegisterWindowAReferenceIsOneSpace) {
  EXPECT_EQ(ExpandHotkeyLine(Detached(), "Display=~%2"), "~ ");
  EXPECT_EQ(ExpandHotkeyLine(Detached(), "Speak=[%3]"), "[ ]");
  // No number is converted, so no error.
  EXPECT_EQ(ExpandHotkeyLine(Detached(), "Speak=[%x]"), "[ x]");
}

TEST_F(ExpandHotkeyLineTest, ADescendantTextIsCutAt31Bytes) {
  texts.AddDescendant(kRegister, 0x301, std::string(40, '7'));
  EXPECT_EQ(ExpandHotkeyLine(Attached(), "Speak=%1|"), std::string(31, '7') + "|");
}

TEST_F(ExpandHotkeyLineTest, APercentWithoutDigitsIsAConversionError) {
  texts.AddDescendant(kRegister, 0x301, "first");
  EXPECT_EQ(ConversionMessage([&] { ExpandHotkeyLine(Attached(), "Speak=%x"); }),
            "'' is not a valid integer value");
  EXPECT_EQ(ConversionMessage([&] { ExpandHotkeyLine(Attached(), "Speak=%99999999999"); }),
            "'99999999999' is not a valid integer value");
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
