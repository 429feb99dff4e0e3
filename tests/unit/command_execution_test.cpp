#include "announcer/command_execution.h"

#include <gtest/gtest.h>

#include "fakes/command_fixture.h"
#include "screendef/action_list.h"

namespace lumo {
namespace {

using Calls = std::vector<std::string>;
using ExecutionTest = test::CommandFixture;

TEST_F(ExecutionTest, ActionListsRunInOrderExpandedAndStopAtAConversionError) {
  texts.controls = {{1001, "12.50"}, {1002, "^X"}};
  RunActionList(Attached(), ParseActionList("DISPLAY=~Total{2}<%1001%> "
                                            "SPEAK=\xD3\xA6\xCA\xD5<%1001%>\xD4\xAA\xD5\xFB "
                                            "DISPLAY=<%1002%> SPEAK=%3<%1003%> DISPLAY=Total")
                                .get());
  // Kinds other than display and speak are passed over; a speak entry speaks even nothing.
  TLumoAction unknown(2, "~A");
  unknown.Next = std::make_unique<TLumoAction>(255, "Speak");
  unknown.Next->Next = std::make_unique<TLumoAction>(kSpeakAction, "");
  RunActionList(Detached(), &unknown);
  RunActionList(Detached(), nullptr);
  EXPECT_THROW(
      RunActionList(Detached(), ParseActionList("DISPLAY=^a SPEAK=<%1%>{x} DISPLAY=^b").get()),
      ConversionError);
  EXPECT_EQ(announcer.calls, (Calls{"Cls 0", "Sleep 100", "PrintText 1 1 'Total  12.50'",
                                    "SoundOut '12.50\xD4\xAA\xD5\xFB'", "PrintText 1 2 'X'",
                                    "SoundOut '3%3'", "SoundOut ''", "PrintText 1 2 'a'"}));
}

TEST_F(ExecutionTest, TildeClearsWaitsAndPrintsOnLineOneCaretOnLineTwoAnythingElseNothing) {
  for (const char* text : {"~A b", "~", "^B~", "Total", "", " ~A", "\xA1\xAB~"}) {
    ShowDisplayText(Detached(), text);
  }
  EXPECT_EQ(announcer.calls, (Calls{"Cls 0", "Sleep 100", "PrintText 1 1 'A b'", "Cls 0",
                                    "Sleep 100", "PrintText 1 1 ''", "PrintText 1 2 'B~'"}));
}

TEST(SplitCommandLines, SplitsAtEveryCaretKeepingEmptyLinesUnlessAllIsBlank) {
  const std::pair<const char*, Calls> cases[] = {
      {"a^^b", {"a", "", "b"}},
      {"a^", {"a", ""}},
      {"^a", {"", "a"}},
      {" Speak=1 ^ Display=~2 ", {" Speak=1 ", " Display=~2 "}},
      {"\xD4\xAA", {"\xD4\xAA"}},
      {"", {}},
      {" \t\r\n", {}},
      {"!", {"!"}},
      {" ^ ", {" ", " "}}};  // a caret is not a blank
  for (const auto& [text, expected] : cases) {
    Calls lines;
    SplitCommandLines(text, lines);
    EXPECT_EQ(lines, expected) << text;
  }
  Calls lines{"kept"};
  SplitCommandLines("a^b", lines);
  EXPECT_EQ(lines, (Calls{"kept", "a", "b"}));
}

TEST_F(ExecutionTest, HotkeyCommandsSpeakSpeakLinesWholeAndShowTheOthers) {
  texts.descendants = {"label", "^X", "12.50"};
  // Only percent references are expanded; a reference can supply the line 2 prefix; lines
  // without the name "Speak" take the display path.
  RunHotkeyCommand(Attached(),
                   "Display=~Total %3^Speak=%3^speak=hello^SPEAK=Yuan 8.5 ok^Speak={2}^"
                   "Display=%2^Speak^~no name^Spea=~short^Speaker=~long^=~empty name^^ ");
  EXPECT_EQ(test::MessageOf<ConversionError>(
                [&] { RunHotkeyCommand(Attached(), "Speak=%1^Display=~%x^Speak=never"); }),
            "'' is not a valid integer value");
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

// A register whose every read waits in vain while it hangs.
class HangingTexts : public test::FakeWindowTexts {
 public:
  std::optional<std::string> AnsweredText(WindowHandle window, std::size_t size) override {
    ++waits;
    return hung ? std::nullopt : std::optional<std::string>(Text(window, size));
  }
  bool hung = true;
  int waits = 0;
};

TEST(HungRegister, EachCommandRunWaitsOnceAndReadsTheRestAsEmpty) {
  HangingTexts texts;
  test::RecordingAnnouncer announcer;
  texts.descendants = {"t1", "t2", "t3"};
  texts.controls[1001] = "c";
  const CommandContext context{test::kRegister, texts, announcer, announcer};
  const TLumoAction entry(kSpeakAction, "<%1001%><%1001%>");
  const std::string command = "Display=~%1^Speak=%2^Speak=%3";

  RunHotkeyCommand(context, command);
  RunHotkeyCommand(context, command);  // the next run asks again
  RunActionList(context, &entry);
  EXPECT_EQ(texts.waits, 3);
  const Calls hung = {"Cls 0", "Sleep 100", "PrintText 1 1 ''", "SoundOut ''", "SoundOut ''"};
  Calls expected = hung;
  expected.insert(expected.end(), hung.begin(), hung.end());
  expected.push_back("SoundOut ''");
  EXPECT_EQ(announcer.calls, expected);

  texts.hung = false;
  announcer.calls.clear();
  RunHotkeyCommand(context, command);
  EXPECT_EQ(texts.waits, 6);
  EXPECT_EQ(announcer.calls,
            (Calls{"Cls 0", "Sleep 100", "PrintText 1 1 't1'", "SoundOut 't2'", "SoundOut 't3'"}));
}

}  // namespace
}  // namespace lumo
