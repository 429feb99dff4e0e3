#include "editors/command_lines.h"

#include "announcer/command_execution.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

using Lines = std::vector<std::string>;

TEST(VerifyCommands, EveryLineNeedsExactlySpeakOrDisplayBeforeItsFirstEqualsSign) {
  EXPECT_TRUE(VerifyCommands({}));
  // A GBK text after the name is the command's business, not the name's.
  EXPECT_TRUE(VerifyCommands(
      {"Speak=12", "Display=~Total", "Speak=", "Display=a=b", "Speak=\xBA\xCF\xBC\xC6"}));
  for (const char* bad : {"speak=12", "DISPLAY=1", "Speak", " Speak=1", "Speak =1", "=1", "",
                          "Speaker=1", "Speak\t=1"}) {
    EXPECT_FALSE(VerifyCommands({"Speak=1", bad})) << bad;
    EXPECT_FALSE(VerifyCommands({bad, "Display=2"})) << bad;
  }
}

TEST(MemoLines, ATrailingLineBreakIsNoLineButABlankLineInsideIs) {
  const std::pair<const char*, Lines> cases[] = {
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
}

TEST(AppendCommandLine, AddsANewLastLineAndSelectsTheLineBreakItBrings) {
  const struct {
    const char* memo;
    const char* text;
    bool select_line_break;
  } cases[] = {{"", "Display=\r\n", true},
               {"Speak=1", "\r\nDisplay=", false},
               {"Speak=1\r\n", "Display=\r\n", true}};
  for (const auto& [memo, text, select_line_break] : cases) {
    const CommandLineInsert insert = AppendCommandLine(memo, "Display=");
    EXPECT_EQ(insert.text, text) << memo;
    EXPECT_EQ(insert.select_line_break, select_line_break) << memo;
  }
}

TEST(JoinCommandLines, TheLinesOfASplitComeBackUnchanged) {
  for (const char* text : {"Speak=1^Display=~2", "Speak=1", "A^^B^", ""}) {
    Lines lines;
    SplitCommandLines(text, lines);
    EXPECT_EQ(JoinCommandLines(lines), text);
  }
}

}  // namespace
}  // namespace lumo
