#include "announcer/command_execution.h"

#include <gtest/gtest.h>

#include "common/errors.h"
#include "fakes/command_fixture.h"

namespace lumo {
namespace {

using Calls = std::vector<std::string>;
using test::kRegister;
using ExecutionTest = test::CommandFixture;

// A command list built from (Kind, Text) pairs, in order.
ActionList MakeList(const std::vector<std::pair<std::uint8_t, std::string>>& entries) {
  ActionList first;
  TLumoAction* last = nullptr;
  for (const auto& [kind, text] : entries) {
    auto action = std::make_unique<TLumoAction>(kind, text);
    TLumoAction* added = action.get();
    (last ? last->Next : first) = std::move(action);
    last = added;
  }
  return first;
}

using RunActionListTest = ExecutionTest;

TEST_F(RunActionListTest, RunsEntriesInListOrder) {
  ActionList list = MakeList(
      {{kDisplayAction, "~A"}, {kSpeakAction, "12.5\xD4\xAA\xD5\xFB"}, {kDisplayAction, "^B"}});
  RunActionList(Detached(), list.get());
  EXPECT_EQ(announcer.calls, (Calls{"Cls 0", "Sleep 100", "PrintText 1 1 'A'",
                                    "SoundOut '12.5\xD4\xAA\xD5\xFB'", "PrintText 1 2 'B'"}));
}

TEST_F(RunActionListTest, ExpandsControlReferencesAndBlankRunsBeforeRunning) {
  texts.AddControl(kRegister, 1001, 0x201, "12.50");
  texts.AddControl(kRegister, 1002, 0x202, "^X");
  ActionList list = MakeList({{kDisplayAction, "~Total{2}<%1001%>"},
                              {kSpeakAction, "\xD3\xA6\xCA\xD5<%1001%>\xD4\xAA\xD5\xFB"},
                              {kDisplayAction, "<%1002%>"},
                              {kSpeakAction, "%3 <%1003%>"},
                              {kDisplayAction, "Total"}});
  RunActionList(Attached(), list.get());
  EXPECT_EQ(announcer.calls,
            (Calls{"Cls 0", "Sleep 100", "PrintText 1 1 'Total  12.50'",
                   "SoundOut '12.50\xD4\xAA\xD5\xFB'", "PrintText 1 2 'X'", "SoundOut '33 '"}));
}

TEST_F(RunActionListTest, NullListAndUnknownKindsDoNothing) {
  RunActionList(Attached(), nullptr);
  ActionList list = MakeList({{2, "~A"}, {255, "Speak"}, {kSpeakAction, ""}});
  RunActionList(Detached(), list.get());
  // A speak entry always speaks, even nothing.
  EXPECT_EQ(announcer.calls, (Calls{"SoundOut ''"}));
}

TEST_F(RunActionListTest, AConversionErrorStopsTheRunAtThatEntry) {
  ActionList list = MakeList(
      {{kDisplayAction, "^before"}, {kSpeakAction, "<%1001%>{x}"}, {kDisplayAction, "^after"}});
  EXPECT_THROW(RunActionList(Detached(), list.get()), ConversionError);
  EXPECT_EQ(announcer.calls, (Calls{"PrintText 1 2 'before'"}));
}

using DisplayRuleTest = ExecutionTest;

TEST_F(DisplayRuleTest, TildeClearsWaitsAndPrintsOnLineOne) {
  ShowDisplayText(Detached(), "~A b");
  ShowDisplayText(Detached(), "~");
  EXPECT_EQ(announcer.calls, (Calls{"Cls 0", "Sleep 100", "PrintText 1 1 'A b'", "Cls 0",
                                    "Sleep 100", "PrintText 1 1 ''"}));
}

TEST_F(DisplayRuleTest, CaretPrintsOnLineTwoAndAnythingElseDoesNothing) {
  ShowDisplayText(Detached(), "^B~");
  for (const char* text : {"Total", "", " ~A", "\xA1\xAB~"}) {
    ShowDisplayText(Detached(), text);
  }
  EXPECT_EQ(announcer.calls, (Calls{"PrintText 1 2 'B~'"}));
}

TEST(SplitCommandLines, SplitsAtEveryCaretKeepingEmptyLines) {
  auto split = [](std::string_view text) {
    std::vector<std::string> lines;
    SplitCommandLines(text, lines);
    return lines;
  };
  EXPECT_EQ(split("a^^b"), (Calls{"a", "", "b"}));
  EXPECT_EQ(split("a^"), (Calls{"a", ""}));
  EXPECT_EQ(split("^a"), (Calls{"", "a"}));
  EXPECT_EQ(split(" Speak=1 ^ Display=~2 "), (Calls{" Speak=1 ", " Display=~2 "}));
  EXPECT_EQ(split("\xD4\xAA"), (Calls{"\xD4\xAA"}));
  EXPECT_EQ(split(""), Calls{});
  EXPECT_EQ(split(" \t\r\n"), Calls{});
  // A caret is not a blank.
  EXPECT_EQ(split(" ^ "), (Calls{" ", " "}));
}

TEST(SplitCommandLines, AppendsToTheList) {
  std::vector<std::string> lines{"kept"};
  SplitCommandLines("a^b", lines);
  EXPECT_EQ(lines, (Calls{"kept", "a", "b"}));
}

using RunHotkeyCommandTest = ExecutionTest;

TEST_F(RunHotkeyCommandTest, SpeakLinesAreSpokenWholeAndOthersShown) {
  texts.AddDescendant(kRegister, 0x301, "label");
  texts.AddDescendant(kRegister, 0x302, "label");
  texts.AddDescendant(kRegister, 0x303, "12.50");
  RunHotkeyCommand(Attached(), "Display=~Total %3^Speak=%3^speak=hello^SPEAK=Yuan 8.5 ok");
  EXPECT_EQ(announcer.calls,
            (Calls{"Cls 0", "Sleep 100", "PrintText 1 1 'Total 12.50'", "SoundOut '12.50'",
                   "SoundOut 'hello'", "SoundOut 'Yuan 8.5 ok'"}));
}

TEST_F(RunHotkeyCommandTest, OnlyPercentReferencesAreExpanded) {
  RunHotkeyCommand(Detached(), "Speak={2}^Speak=^Display=~%2");
  // The "%" of a control reference is a percent reference of this grammar.
  RunHotkeyCommand(Detached(), "Speak=<%5%>");
  EXPECT_EQ(announcer.calls, (Calls{"SoundOut '{2}'", "SoundOut ''", "Cls 0", "Sleep 100",
                                    "PrintText 1 1 ' '", "SoundOut '< %>'"}));
}

TEST_F(RunHotkeyCommandTest, AReferenceCanSupplyTheLineTwoPrefix) {
  texts.AddDescendant(kRegister, 0x301, "label");
  texts.AddDescendant(kRegister, 0x302, "^X");
  RunHotkeyCommand(Attached(), "Display=~%2^Display=%2");
  EXPECT_EQ(announcer.calls,
            (Calls{"Cls 0", "Sleep 100", "PrintText 1 1 '^X'", "PrintText 1 2 'X'"}));
}

TEST_F(RunHotkeyCommandTest, LinesWithoutASpeakNameTakeTheDisplayPath) {
  RunHotkeyCommand(Detached(), "Speak^~no name^Spea=~short^Speaker=~long^=~empty name^^ ");
  EXPECT_EQ(announcer.calls,
            (Calls{"Cls 0", "Sleep 100", "PrintText 1 1 'no name'", "Cls 0", "Sleep 100",
                   "PrintText 1 1 'short'", "Cls 0", "Sleep 100", "PrintText 1 1 'long'", "Cls 0",
                   "Sleep 100", "PrintText 1 1 'empty name'"}));
}

TEST_F(RunHotkeyCommandTest, BlankParameterDoesNothing) {
  RunHotkeyCommand(Attached(), "   ");
  RunHotkeyCommand(Attached(), "");
  EXPECT_TRUE(announcer.calls.empty());
}

TEST_F(RunHotkeyCommandTest, AConversionErrorStopsTheRunAtThatLine) {
  texts.AddDescendant(kRegister, 0x301, "5");
  EXPECT_EQ(test::ConversionMessage(
                [&] { RunHotkeyCommand(Attached(), "Speak=%1^Display=~%x^Speak=never"); }),
            "'' is not a valid integer value");
  EXPECT_EQ(announcer.calls, (Calls{"SoundOut '5'"}));
}

}  // namespace
}  // namespace lumo
