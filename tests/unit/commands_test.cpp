// Commands: action texts and hotkey lines expanded from the register's texts and run on the
// announcer, and the command editor's lines.
#include <gtest/gtest.h>

#include <set>

#include "announcer/command_execution.h"
#include "announcer/command_expansion.h"
#include "common/errors.h"
#include "editors/command_lines.h"
#include "fakes/machine.h"
#include "screendef/action_list.h"

namespace lumo {
namespace {

using Texts = std::vector<std::string>;

// GBK bytes of the texts a register shows.
const std::string kYingShou = "\xD3\xA6\xCA\xD5";   // 应收
const std::string kYuanZheng = "\xD4\xAA\xD5\xFB";  // 元整
const std::string kHeJi = "\xBA\xCF\xBC\xC6";       // 合计
const std::string kNoInteger = "error: '' is not a valid integer value";

// What run returns, or the message of the ConversionError it throws as "error: ...".
template <typename Run>
std::string ResultOrError(Run run) {
  try {
    return run();
  } catch (const ConversionError& error) {
    return std::string("error: ") + error.what();
  }
}

// The register window and the announcer, reached with the register attached or without it.
class CommandTest : public ::testing::Test {
 protected:
  CommandContext Attached() { return {test::kRegister, texts, announcer, announcer}; }
  CommandContext Detached() { return {0, texts, announcer, announcer}; }
  std::set<std::size_t> BufferSizes() const {
    return {texts.buffer_sizes.begin(), texts.buffer_sizes.end()};
  }
  // Each case as {attached, text, expected} through expand.
  template <typename Expand, std::size_t N>
  void ExpectExpanded(Expand expand, const std::tuple<bool, std::string, std::string> (&cases)[N]) {
    for (const auto& [attached, text, expected] : cases) {
      const CommandContext context = attached ? Attached() : Detached();
      EXPECT_EQ(ResultOrError([&] { return expand(context, text); }), expected) << text;
    }
  }

  test::FakeWindowTexts texts;
  test::RecordingAnnouncer announcer;
};

TEST_F(CommandTest, ActionTextsHaveEveryControlReferenceReplacedThenTheirBlankRuns) {
  texts.controls = {{1001, "12.50"}, {1002, kHeJi},      {7, "seven"},
                    {1004, "{2}"},   {1005, "<%1001%>"}, {1006, "A" + std::string(80, '\xBA')}};
  ExpectExpanded(ExpandActionText,
                 {{true, "Hello", "Hello"},
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
                  {true, "<%1001%>{x}", "error: 'x' is not a valid integer value"}});
  EXPECT_EQ(BufferSizes(), std::set<std::size_t>{kControlTextBuffer});
  // Without a window no control is looked up; a missing control's text is not read.
  texts.dialog_item_calls = 0;
  texts.buffer_sizes.clear();
  ExpandActionText(Detached(), "<%1001%>");
  ExpandActionText(Attached(), "<%1003%>");
  EXPECT_EQ(texts.dialog_item_calls, 1);
  EXPECT_TRUE(texts.buffer_sizes.empty());
}

TEST_F(CommandTest, HotkeyLinesGiveTheValueWithItsFirstPercentReferenceFilled) {
  texts.descendants = {"first", "12.50", "third", std::string(40, '7')};
  ExpectExpanded(ExpandHotkeyLine,
                 {{true, "Speak=%2%3", "12.50%3"},
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
                  {false, "Speak=<%5%>", "< %>"}});
  EXPECT_EQ(BufferSizes(), std::set<std::size_t>{kChildTextBuffer});
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
    EXPECT_EQ(ResultOrError([&] { return ExpandBlanks(text); }), expected) << text;
  }
}

TEST(ExtractSpeechText, FirstNumberWithoutDigitGroupCommasFollowedByTheLastTwoCharacters) {
  // A price is never cut short, whatever its length.
  const std::string long_number = "123456789012345678.90";
  const std::pair<std::string, std::string> cases[] = {
      {kYingShou + "12.50" + kYuanZheng, "12.50" + kYuanZheng},
      {kHeJi + " 8.5 \xD4\xAA", "8.5 \xD4\xAA"},
      {kYingShou + long_number + kYuanZheng, long_number + kYuanZheng},
      {"No.5 total", ".5al"},
      {"12", "1212"},
      {"abc", "bc"},
      {"12a34", "1234"},
      {"", ""},
      {"x", "x"},
      {"\xD4\xAA", "\xD4\xAA"},
      {"7", "77"},
      // Only a comma between a digit and exactly three digits, before any dot, groups digits.
      {kYingShou + "1,234.50" + kYuanZheng, "1234.50" + kYuanZheng},
      {"1,234,567 ok", "1234567ok"},
      {"1,234", "123434"},
      {"1,2345.6", "1.6"},
      {"1,23 x", "1 x"},
      {"1,234,5 x", "1234 x"},
      {"1.500,250 x", "1.500 x"},
      {",123 x", "123 x"},
      {"12,,345 x", "12 x"}};
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(ExtractSpeechText(text), expected) << text;
  }
}

TEST_F(CommandTest, ActionListsRunInOrderExpandedAndStopAtAConversionError) {
  texts.controls = {{1001, "12.50"}, {1002, "^X"}};
  RunActionList(Attached(), ParseActionList("DISPLAY=~Total{2}<%1001%> "
                                            "SPEAK=\xD3\xA6\xCA\xD5<%1001%>\xD4\xAA\xD5\xFB "
                                            "DISPLAY=<%1002%> SPEAK=%3<%1003%> DISPLAY=Total")
                                .get());
  // Kinds other than display and speak are passed over; a speak entry speaks even nothing.
  CommandAction unknown(2, "~A");
  unknown.Next = std::make_unique<CommandAction>(255, "Speak");
  unknown.Next->Next = std::make_unique<CommandAction>(kSpeakAction, "");
  RunActionList(Detached(), &unknown);
  RunActionList(Detached(), nullptr);
  EXPECT_THROW(
      RunActionList(Detached(), ParseActionList("DISPLAY=^a SPEAK=<%1%>{x} DISPLAY=^b").get()),
      ConversionError);
  EXPECT_EQ(announcer.calls, (Texts{"Cls 0", "Sleep 100", "PrintText 1 1 'Total  12.50'",
                                    "SoundOut '12.50\xD4\xAA\xD5\xFB'", "PrintText 1 2 'X'",
                                    "SoundOut '3%3'", "SoundOut ''", "PrintText 1 2 'a'"}));
}

TEST_F(CommandTest, TildeClearsWaitsAndPrintsOnLineOneCaretOnLineTwoAnythingElseNothing) {
  for (const char* text : {"~A b", "~", "^B~", "Total", "", " ~A", "\xA1\xAB~"}) {
    ShowDisplayText(Detached(), text);
  }
  EXPECT_EQ(announcer.calls, (Texts{"Cls 0", "Sleep 100", "PrintText 1 1 'A b'", "Cls 0",
                                    "Sleep 100", "PrintText 1 1 ''", "PrintText 1 2 'B~'"}));
}

TEST_F(CommandTest, HotkeyCommandsSpeakSpeakLinesWholeAndShowTheOthers) {
  texts.descendants = {"label", "^X", "12.50"};
  // Only percent references are expanded; a reference can supply the line 2 prefix; lines
  // without the name "Speak" take the display path.
  RunHotkeyCommand(Attached(),
                   "Display=~Total %3^Speak=%3^speak=hello^SPEAK=Yuan 8.5 ok^Speak={2}^"
                   "Display=%2^Speak^~no name^Spea=~short^Speaker=~long^=~empty name^^ ");
  EXPECT_EQ(ResultOrError([&] {
              RunHotkeyCommand(Attached(), "Speak=%1^Display=~%x^Speak=never");
              return std::string();
            }),
            kNoInteger);
  std::string calls;
  for (const std::string& call : announcer.calls) {
    calls += call + "; ";
  }
  EXPECT_EQ(calls,
            "Cls 0; Sleep 100; PrintText 1 1 'Total 12.50'; SoundOut '12.50'; SoundOut 'hello'; "
            "SoundOut 'Yuan 8.5 ok'; SoundOut '{2}'; PrintText 1 2 'X'; "
            "Cls 0; Sleep 100; PrintText 1 1 'no name'; Cls 0; Sleep 100; PrintText 1 1 'short'; "
            "Cls 0; Sleep 100; PrintText 1 1 'long'; Cls 0; Sleep 100; PrintText 1 1 'empty name'; "
            "SoundOut 'label'; ");
}

TEST_F(CommandTest, AHungRegisterIsWaitedForOnceACommandRunAndTheRestReadsAsEmpty) {
  texts.descendants = {"t1", "t2", "t3"};
  texts.controls[1001] = "c";
  texts.hung = true;
  const CommandContext context = Attached();
  const CommandAction entry(kSpeakAction, "<%1001%><%1001%>");
  const std::string command = "Display=~%1^Speak=%2^Speak=%3";
  RunHotkeyCommand(context, command);
  RunHotkeyCommand(context, command);  // the next run asks again
  RunActionList(context, &entry);
  EXPECT_EQ(texts.waits, 3);
  EXPECT_EQ(announcer.calls,
            (Texts{"Cls 0", "Sleep 100", "PrintText 1 1 ''", "SoundOut ''", "SoundOut ''", "Cls 0",
                   "Sleep 100", "PrintText 1 1 ''", "SoundOut ''", "SoundOut ''", "SoundOut ''"}));
  texts.hung = false;
  announcer.calls.clear();
  RunHotkeyCommand(context, command);
  EXPECT_EQ(texts.waits, 6);
  EXPECT_EQ(announcer.calls,
            (Texts{"Cls 0", "Sleep 100", "PrintText 1 1 't1'", "SoundOut 't2'", "SoundOut 't3'"}));
}

TEST(CommandLines, SplitAtEveryCaretAndJoinedBackUnchanged) {
  const std::pair<const char*, Texts> cases[] = {
      {"a^^b", {"a", "", "b"}},
      {"a^", {"a", ""}},
      {"^a", {"", "a"}},
      {" Speak=1 ^ Display=~2 ", {" Speak=1 ", " Display=~2 "}},
      {"\xD4\xAA", {"\xD4\xAA"}},
      {"", {}},
      {" \t\r\n", {}},  // all blank: no line
      {"!", {"!"}},
      {" ^ ", {" ", " "}}};  // a caret is not a blank
  for (const auto& [text, expected] : cases) {
    Texts lines;
    SplitCommandLines(text, lines);
    EXPECT_EQ(lines, expected) << text;
    EXPECT_EQ(JoinCommandLines(lines), lines.empty() ? "" : text);
  }
  Texts lines{"kept"};
  SplitCommandLines("a^b", lines);
  EXPECT_EQ(lines, (Texts{"kept", "a", "b"}));
}

TEST(VerifyCommands, EveryLineNeedsExactlySpeakOrDisplayBeforeItsFirstEqualsSign) {
  EXPECT_TRUE(VerifyCommands({}));
  // A GBK text after the name is the command's business, not the name's.
  EXPECT_TRUE(
      VerifyCommands({"Speak=12", "Display=~Total", "Speak=", "Display=a=b", "Speak=" + kHeJi}));
  for (const char* bad : {"speak=12", "DISPLAY=1", "Speak", " Speak=1", "Speak =1", "=1", "",
                          "Speaker=1", "Speak\t=1"}) {
    EXPECT_FALSE(VerifyCommands({"Speak=1", bad})) << bad;
    EXPECT_FALSE(VerifyCommands({bad, "Display=2"})) << bad;
  }
}

TEST(MemoLines, ATrailingLineBreakIsNoLineButABlankLineInsideIs) {
  const std::pair<const char*, Texts> cases[] = {
      {"", {}},
      {"Speak=1", {"Speak=1"}},
      {"Speak=1\r\n", {"Speak=1"}},
      {"Speak=1\r\n\r\n", {"Speak=1", ""}},
      {"Speak=1\r\n\r\nDisplay=2", {"Speak=1", "", "Display=2"}},
      {"\r\n", {""}},
      {"a\nb", {"a\nb"}}};  // only CR LF breaks a line in an edit control
  for (const auto& [text, lines] : cases) {
    EXPECT_EQ(MemoLines(text), lines) << text;
  }
  EXPECT_EQ(MemoTextOf({"A", "", "B"}), "A\r\n\r\nB\r\n");
  EXPECT_EQ(MemoTextOf({}), "");
  // A new last line, with the line break it brings selected.
  const std::tuple<const char*, const char*, bool> appends[] = {
      {"", "Display=\r\n", true},
      {"Speak=1", "\r\nDisplay=", false},
      {"Speak=1\r\n", "Display=\r\n", true}};
  for (const auto& [memo, text, select] : appends) {
    const CommandLineInsert insert = AppendCommandLine(memo, "Display=");
    EXPECT_EQ(insert.text, text) << memo;
    EXPECT_EQ(insert.select_line_break, select) << memo;
  }
}

}  // namespace
}  // namespace lumo
