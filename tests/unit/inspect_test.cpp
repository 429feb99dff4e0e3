// The decisions of lumo-inspect: read or default, what a check reports, which window is
// the register window, the stub for a control, and the command line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_profile_reader.h"
#include "inspect/check_report.h"
#include "inspect/control_listing.h"
#include "inspect/inspect_arguments.h"
#include "inspect/recording_profile_reader.h"
#include "inspect/window_choice.h"

namespace lumo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using Entries = std::vector<std::pair<std::string, std::string>>;  // "section/key", value

test::FakeProfileReader FileOf(const Entries& entries) {
  test::FakeProfileReader file;
  for (const auto& [name, value] : entries) {
    file.Set(name.substr(0, name.find('/')), name.substr(name.find('/') + 1), value);
  }
  return file;
}

TEST(RecordingProfileReader, TellsAValueInTheFileFromTheDefaultEvenWhenTheyAreEqual) {
  const test::FakeProfileReader file =
      FileOf({{"S/empty", ""}, {"S/same", "0,0,0,0"}, {"S/number", "5"}});
  const RecordingProfileReader recorder(file);
  for (const auto& [key, default_value] : Entries{
           {"missing", ""}, {"empty", ""}, {"same", "0,0,0,0"}, {"number", ""}, {"gone", "x"}}) {
    EXPECT_EQ(recorder.ReadString("S", key, default_value),
              file.ReadString("S", key, default_value));
  }
  EXPECT_EQ(recorder.Reads(), (std::vector<ProfileRead>{{"S", "missing", "", false},
                                                        {"S", "empty", "", true},
                                                        {"S", "same", "0,0,0,0", true},
                                                        {"S", "number", "5", true},
                                                        {"S", "gone", "x", false}}));
}

TEST(CheckScreenDefinition, ReportsEveryReadTheModelAndTheStepThatFailed) {
  struct Case {
    Entries file;
    bool loaded;
    std::vector<std::string> shown;
    std::vector<std::string> not_shown;
  };
  const Case cases[] = {
      {{{"WINDOW/Caption", "POS"},
        {"WINDOW/OnShow", "SPEAK=a1&DISPLAY=^b&x&DISPLAY=<%7%>&DISPLAY=c"},
        {"TIMER/Enable", "True"},
        {"TIMER/Interval", "250"},
        {"TIMER/Actions", "1"},
        {"TIMER.ACTION1/S_X", "200"},
        {"TIMER.ACTION1/BMP_RECT", "1"},
        {"RECT/1", "0,0,60,20"}},
       true,
       {"  read     [WINDOW] Caption = POS\n", "  default  [WINDOW] OnClose\n",
        "  read     [TIMER] Enable = True\n", "  default  [TIMER] ShowLasting\n",
        "OnShow: 5 entries\n    1. speech", "2. display line 2\n       \"^b\"", "3. does nothing",
        "4. display: line 1 or 2 only if the control's text", "5. display, but without ~ or ^",
        "OnClose: 0 entries",
        "capture timer: off, every 250 ms\n  advertisement after 120 unchanged ticks",
        "region 0,0,60,20 (60 x 20) drawn 48 x 16 at (200, 0), partly outside"},
       {"FAILED"}},
      {{{"TIMER/Actions", "2"},
        {"TIMER.ACTION1/BMP_RECT", "1"},
        {"RECT/1", "0,0,0,9"},
        {"RECT/0", "1,2,3"}},
       false,
       {"  Caption \"\": matches no window\n", "LoadWindowDefinition: loaded\n",
        "  default  [TIMER.ACTION2] BMP_RECT\n", "  read     [RECT] 0 = 1,2,3\n",
        "LoadTimerDefinition FAILED: [RECT] 0=1,2,3 (named by [TIMER.ACTION2] BMP_RECT)",
        "What stays stored:\n  capture timer: off, every 1000 ms",
        "TIMER.ACTION1: region 0,0,0,9 (0 x 9): no positive width and height"},
       {"TIMER.ACTION2:"}},
  };
  for (const Case& c : cases) {
    const CheckOutcome outcome = CheckScreenDefinition(FileOf(c.file));
    EXPECT_EQ(outcome.Loaded, c.loaded) << outcome.Report;
    for (const std::string& text : c.shown) {
      EXPECT_THAT(outcome.Report, HasSubstr(text));
    }
    for (const std::string& text : c.not_shown) {
      EXPECT_THAT(outcome.Report, Not(HasSubstr(text)));
    }
  }
}

TEST(ChooseRegisterWindow, OnlyASingleMatchIsTheRegisterWindow) {
  const std::vector<TitledWindow> windows = {
      {1, "Lumo", true}, {2, "POS - till 1", true}, {3, "", false}, {4, "POS - till 2", true}};
  struct Case {
    std::string caption;
    WindowHandle chosen;
    std::string message;
  };
  for (const Case& c :
       {Case{"till 1", 2, ""}, Case{"POS", 0, "2 windows have a title that contains \"POS\"; Lumo"},
        Case{"pos", 0,
             "Visible windows:\n  \"Lumo\"\n  \"POS - till 1\"\n"
             "  \"\" (did not answer within 1 s"},
        Case{"", 0, "No visible window has a title that contains \"\""}}) {
    const WindowChoice choice = ChooseRegisterWindow(windows, c.caption);
    EXPECT_EQ(choice.Chosen, c.chosen) << c.caption;
    EXPECT_EQ(choice.Window != nullptr, c.chosen != 0) << c.caption;
    if (c.message.empty()) {
      EXPECT_EQ(choice.Message, "");
    } else {
      EXPECT_THAT(choice.Message, HasSubstr(c.message));
    }
  }
}

TEST(SdfStub, CopiesTheClientAreaAndSaysWhichReferenceReachesTheControl) {
  ControlRow direct;
  direct.Number = 2;
  direct.Id = 1001;
  direct.Class = "Edit";
  direct.Inside = {116, 39, 336, 63};
  ControlRow nested = direct;
  nested.Number = 5;
  nested.Parent = 3;
  nested.Id = 1004;
  nested.Inside = {1, 2, 61, 2};
  EXPECT_THAT(SdfStub(direct, 1),
              HasSubstr("1001 (Edit, %2), client area: 220 x 24 pixels, drawn 146 x 16 at"));
  EXPECT_THAT(SdfStub(direct, 1), HasSubstr("its text is <%1001%>; in a hotkey command, %2.\n"));
  EXPECT_THAT(SdfStub(direct, 1), HasSubstr("\n[TIMER.ACTION1]\nPROMPT=\nP_X=0\nP_Y=0\nS_X=0\n"
                                            "S_Y=0\nBMP_RECT=1\n[RECT]\n1=116,39,336,63\n"));
  EXPECT_THAT(SdfStub(nested, 3), HasSubstr("60 x 0 pixels.\n"));
  EXPECT_THAT(SdfStub(nested, 3), HasSubstr("inside %3: <%1004%> does not reach it; in a hotkey "
                                            "command, %5 does.\n"));
  EXPECT_THAT(SdfStub(nested, 3), HasSubstr("Actions=3 or more"));
  EXPECT_THAT(SdfStub(nested, 3), HasSubstr("BMP_RECT=3\n[RECT]\n3=1,2,61,2\n"));
}

TEST(ParseInspectArguments, ListStubCheckOrUsage) {
  using Command = InspectArguments::Command;
  struct Case {
    std::vector<std::string> arguments;
    Command run;
    std::string detail;  // caption, "id/n" or file; for Usage, the error
  };
  const Case cases[] = {
      {{}, Command::Usage, ""},
      {{"--help"}, Command::Usage, ""},
      {{"POS"}, Command::List, "POS"},
      {{"POS", "--sdf", "1001"}, Command::Stub, "1001/1"},
      {{"POS", "--sdf", "0x10", "2"}, Command::Stub, "16/2"},
      {{"--check"}, Command::Check, ""},
      {{"--check", "a b.sdf"}, Command::Check, "a b.sdf"},
      {{"--check", "a", "b"}, Command::Usage, "--check takes one file at most"},
      {{"--sdf", "1"}, Command::Usage, "unknown option --sdf"},
      {{"POS", "--sdf"}, Command::Usage, "after the caption only --sdf <ID> [<n>] may follow"},
      {{"POS", "1001"}, Command::Usage, "after the caption only --sdf <ID> [<n>] may follow"},
      {{"POS", "--sdf", "x"}, Command::Usage, "--sdf needs a control ID, a number"},
      {{"POS", "--sdf", "1", "0"}, Command::Usage, "the action number after the ID counts from 1"},
  };
  for (const Case& c : cases) {
    const InspectArguments parsed = ParseInspectArguments(c.arguments);
    EXPECT_EQ(parsed.Run, c.run) << c.detail;
    const std::string detail = parsed.Run == Command::List   ? parsed.Caption
                               : parsed.Run == Command::Stub ? std::to_string(parsed.StubId) + "/" +
                                                                   std::to_string(parsed.StubAction)
                               : parsed.Run == Command::Check ? parsed.SdfPath
                                                              : parsed.Error;
    EXPECT_EQ(detail, c.detail);
  }
}

}  // namespace
}  // namespace lumo
