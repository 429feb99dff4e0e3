#include "editors/command_lines.h"

#include "announcer/command_execution.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

using Lines = std::vector<std::string>;

TEST(VerifyCommands, OnlyTheExactNamesBeforeTheFirstEqualsSign) {
  EXPECT_TRUE(VerifyCommands({}));
  // A GBK text after the name is the command's business, not the name's.
  for (const char* good :
       {"Speak=12", "Display=~Total", "Speak=", "Display=a=b", "Speak=\xBA\xCF\xBC\xC6"}) {
    EXPECT_TRUE(VerifyCommands({good})) << good;
  }
  EXPECT_TRUE(VerifyCommands({"Speak=12", "Display=~Total"}));
  for (const char* bad : {"speak=12", "DISPLAY=1", "Speak", " Speak=1", "Speak =1", "=1", "",
                          "Speaker=1", "Speak\t=1"}) {
    EXPECT_FALSE(VerifyCommands({bad})) << bad;
  }
}

TEST(VerifyCommands, OneBadLineAnywhereFailsTheWhole) {
  EXPECT_FALSE(VerifyCommands({"Speak=1", "", "Display=2"}));
  EXPECT_FALSE(VerifyCommands({"Speak=1", "Display=2", "x"}));
  EXPECT_FALSE(VerifyCommands({"x", "Speak=1"}));
}

TEST(MemoLines, ATrailingLineBreakIsNoLineButABlankLineInsideIs) {
  EXPECT_EQ(MemoLines(""), Lines{});
  EXPECT_EQ(MemoLines("Speak=1"), Lines{"Speak=1"});
  EXPECT_EQ(MemoLines("Speak=1\r\n"), Lines{"Speak=1"});
  EXPECT_EQ(MemoLines("Speak=1\r\n\r\n"), (Lines{"Speak=1", ""}));
  EXPECT_EQ(MemoLines("Speak=1\r\n\r\nDisplay=2"), (Lines{"Speak=1", "", "Display=2"}));
  EXPECT_EQ(MemoLines("\r\n"), Lines{""});
  // Only CR LF breaks a line in an edit control.
  EXPECT_EQ(MemoLines("a\nb"), Lines{"a\nb"});

  EXPECT_TRUE(VerifyCommands(MemoLines("Speak=1\r\nDisplay=~2\r\n")));
  EXPECT_FALSE(VerifyCommands(MemoLines("Speak=1\r\n\r\nDisplay=~2")));
  EXPECT_FALSE(VerifyCommands(MemoLines("Speak=1\r\n\r\n")));
  EXPECT_TRUE(VerifyCommands(MemoLines("")));
}

TEST(MemoLines, RoundTripThroughMemoText) {
  for (const Lines& lines : {Lines{}, Lines{"A"}, Lines{"A", "", "B"}, Lines{"A", ""}}) {
    EXPECT_EQ(MemoLines(MemoTextOf(lines)), lines);
  }
  EXPECT_EQ(MemoTextOf({"A", "B"}), "A\r\nB\r\n");
}

// Applies an insert the way the dialog does: text at the end of the memo.
std::string After(const std::string& memo, const std::string& line) {
  return memo + AppendCommandLine(memo, line).text;
}

TEST(AppendCommandLine, AddsANewLastLineWhateverTheMemoEndsWith) {
  const CommandLineInsert first = AppendCommandLine("", "Speak=");
  EXPECT_EQ(first.text, "Speak=\r\n");
  EXPECT_TRUE(first.select_line_break);

  const CommandLineInsert second = AppendCommandLine("Speak=1", "Display=");
  EXPECT_EQ(second.text, "\r\nDisplay=");
  EXPECT_FALSE(second.select_line_break);
  EXPECT_EQ(MemoLines(After("Speak=1", "Display=")), (Lines{"Speak=1", "Display="}));

  EXPECT_EQ(MemoLines(After("Speak=1\r\n", "Display=")), (Lines{"Speak=1", "Display="}));
  EXPECT_TRUE(AppendCommandLine("Speak=1\r\n", "Display=").select_line_break);
  EXPECT_EQ(MemoLines(After(After("", "Speak="), "Display=")), (Lines{"Speak=", "Display="}));
}

TEST(AppendCommandLine, TypingIntoTheSelectedBreakContinuesTheLine) {
  std::string memo = After("", "Speak=");
  // The selection covers the last two characters; typing replaces them.
  memo = memo.substr(0, memo.size() - 2) + "hello";
  EXPECT_EQ(MemoLines(memo), Lines{"Speak=hello"});
  // The same in a memo filled from a parameter text, which ends with a line break.
  memo = After(MemoTextOf({"Speak=1"}), "Display=");
  memo = memo.substr(0, memo.size() - 2) + "~2";
  EXPECT_EQ(MemoLines(memo), (Lines{"Speak=1", "Display=~2"}));
}

// The editor opens a parameter split the way a hotkey run splits it.
Lines Split(std::string_view text) {
  Lines lines;
  SplitCommandLines(text, lines);
  return lines;
}

TEST(BrowseLines, AOneLineTextThatCannotBeConfirmedStaysAsItWas) {
  // 'A^^B' opens as three lines, which the OK button refuses.
  EXPECT_FALSE(VerifyCommands(MemoLines(MemoTextOf(Split("A^^B")))));
}

TEST(JoinCommandLines, ConfirmedLinesComeBackUnchanged) {
  for (const char* text : {"Speak=1^Display=~2", "Speak=1", "Display=~%3^Speak=%3^Speak=x"}) {
    const Lines memo = MemoLines(MemoTextOf(Split(text)));
    EXPECT_TRUE(VerifyCommands(memo)) << text;
    EXPECT_EQ(JoinCommandLines(memo), text);
  }
  EXPECT_EQ(JoinCommandLines({}), "");
  EXPECT_EQ(JoinCommandLines(MemoLines(MemoTextOf(Split("   ")))), "");
}

}  // namespace
}  // namespace lumo
