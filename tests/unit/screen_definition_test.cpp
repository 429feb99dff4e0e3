// The screen definition: action lists, the window's and the capture timer's sections.
#include <gtest/gtest.h>

#include <algorithm>
#include <new>

#include "fake_profile_reader.h"
#include "fakes/machine.h"
#include "screendef/action_list.h"
#include "screendef/timer_definition.h"
#include "screendef/window_definition.h"

namespace lumo {
namespace {

using namespace std::string_literals;

// An action list as each entry's kind (S speak, D display) and text.
std::string Entries(const CommandAction* action) {
  std::string text;
  for (; action; action = action->Next.get()) {
    text += (text.empty() ? "" : " ") + std::string(action->Kind == kSpeakAction ? "S'" : "D'") +
            action->Text + "'";
  }
  return text;
}

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
    EXPECT_EQ(Entries(ParseActionList(value).get()), entries) << value;
  }
  // Nothing beyond the value is read: the mark after it does not double the closing one.
  EXPECT_EQ(Entries(ParseActionList(std::string_view("\"SPEAK=1\"\"", 9)).get()), "S'1'");
}

TEST(ParseActionList, LongListsAreBuiltAndReleasedWhole) {
  // Releasing entry by entry recursively would overflow the stack here.
  EXPECT_EQ(Entries(ParseActionList(std::string(500000, '&')).get()).size(), 500001u * 4 - 1);
}

std::string Loaded(const ScreenDefinition& model) {
  return model.WindowCaption + " / " + Entries(model.OnShowActions.get()) + " / " +
         Entries(model.OnCloseActions.get());
}

TEST(LoadWindowDefinition, ReadsTheCaptionAndBothListsAndAnInterruptionKeepsWhatWasStored) {
  ScreenDefinition model;
  model.OnCloseActions = ParseActionList("DISPLAY=~before");
  test::FakeProfileReader file(
      "[WINDOW]\nCaption=\xCA\xD5\xD2\xF8\xCC\xA8\nOnShow=SPEAK=<%1001%>&DISPLAY=~<%1002%>\n"
      "OnClose=SPEAK=2");
  file.fail_at = "WINDOW/OnClose";
  std::string failure;
  EXPECT_FALSE(LoadWindowDefinition(model, file, &failure));
  EXPECT_EQ(failure, std::bad_alloc().what());
  EXPECT_EQ(Loaded(model), "\xCA\xD5\xD2\xF8\xCC\xA8 / S'<%1001%>' D'~<%1002%>' / D'~before'");
  file.fail_at.clear();
  EXPECT_TRUE(LoadWindowDefinition(model, file));
  EXPECT_EQ(Loaded(model), "\xCA\xD5\xD2\xF8\xCC\xA8 / S'<%1001%>' D'~<%1002%>' / S'2'");
  // Without a file everything is empty; what is no standard exception is caught as well.
  EXPECT_TRUE(LoadWindowDefinition(model, test::FakeProfileReader("")));
  EXPECT_EQ(Loaded(model), " /  / ");
  file.fail_at = "WINDOW/Caption";
  file.fail = [] { throw 42; };
  EXPECT_FALSE(LoadWindowDefinition(model, file, &failure));
  EXPECT_EQ(failure, "Loading [WINDOW] failed");
  EXPECT_EQ(Loaded(model), " /  / ");
}

using test::RecordingTimer;

// "ok" or "failed: <why>", the timer calls, ShowLastingTicks, then each action as
// [prompt prompt-x,y rectangle image-x,y]. The model holds a stale action before.
std::string Load(const test::FakeProfileReader& file, ScreenDefinition model = {}) {
  model.TimerActions.resize(1);
  RecordingTimer timer;
  std::string failure;
  std::string text =
      LoadTimerDefinition(model, timer, file, &failure) ? "ok |" : "failed: " + failure + " |";
  text += timer.calls + " | " + std::to_string(model.ShowLastingTicks) + " |";
  for (const CaptureAction& a : model.TimerActions) {
    const CaptureRectangle& r = a.CaptureRect;
    text += " [" + a.Prompt + " " + std::to_string(a.PromptX) + "," + std::to_string(a.PromptY) +
            " " + std::to_string(r.Left) + "," + std::to_string(r.Top) + "," +
            std::to_string(r.Right) + "," + std::to_string(r.Bottom) + " " +
            std::to_string(a.ImageX) + "," + std::to_string(a.ImageY) + "]";
  }
  return text;
}

TEST(LoadTimerDefinition, SwitchesTheTimerAndReadsTheActionsWithTheirRectangles) {
  const std::pair<const char*, const char*> cases[] = {
      {"", "ok | enabled 0 interval 1000 | 30 |"},
      {"[TIMER]\nEnable=1\nInterval=0x1F4\nActions=0", "ok | enabled 1 interval 500 | 60 |"},
      {"[timer]\nENABLE=1\ninterval=250", "ok | enabled 1 interval 250 | 120 |"},  // any case
      {"[TIMER]\nInterval=fast\nActions=-2\n[TIMER.ACTION1]\nPROMPT=x",
       "ok | enabled 0 interval 1000 | 30 |"},
      // The timer is switched before an interval of 0 fails the loading.
      {"[TIMER]\nEnable=1\nInterval=0\nActions=1\n[RECT]\n0=1,2,3,4",
       "failed: [TIMER] Interval is 0: the capture timer needs a period | enabled 1 interval 0 | 0 "
       "|"},
      // A missing section gives every default and the rectangle of entry 0; the "RECT" key
      // is the number in plain decimal, however "BMP_RECT" wrote it.
      {"[TIMER]\nActions=4\n[TIMER.ACTION1]\nPROMPT=\xD3\xA6\xCA\xD5\nP_X=1\nP_Y=2\nS_X=3\nS_Y=4\n"
       "BMP_RECT=7\n[TIMER.ACTION3]\nBMP_RECT=0x7\n[TIMER.ACTION4]\nBMP_RECT=-3\n"
       "[RECT]\n7=10, 20, 110, 40\n0=5,6,7,8\n-3=1,1,1,1",
       "ok | enabled 0 interval 1000 | 30 | [\xD3\xA6\xCA\xD5 1,2 10,20,110,40 3,4] "
       "[ 0,0 5,6,7,8 0,0] [ 0,0 10,20,110,40 0,0] [ 0,0 1,1,1,1 0,0]"},
      // Neither the entry nor entry 0 exists: an empty rectangle.
      {"[TIMER]\nActions=1\n[TIMER.ACTION1]\nBMP_RECT=9\n[RECT]\n7=1,2,3,4",
       "ok | enabled 0 interval 1000 | 30 | [ 0,0 0,0,0,0 0,0]"},
      // A rectangle that is not four numbers fails, keeping what came before it.
      {"[TIMER]\nEnable=1\nInterval=250\nActions=3\n[TIMER.ACTION1]\nPROMPT=first\nBMP_RECT=1\n"
       "[TIMER.ACTION2]\nBMP_RECT=2\n[RECT]\n1=0,0,10,10\n2=1,2,3\n0=0,0,10,10",
       "failed: [RECT] 2=1,2,3 (named by [TIMER.ACTION2] BMP_RECT) is not four numbers "
       "Left,Top,Right,Bottom | enabled 1 interval 250 | 120 | [first 0,0 0,0,10,10 0,0]"},
      {"[TIMER]\nActions=2\n[RECT]\n0=",
       "failed: [RECT] 0= (named by [TIMER.ACTION1] BMP_RECT) is not four numbers "
       "Left,Top,Right,Bottom | enabled 0 interval 1000 | 30 |"},
      // ShowLasting / Interval in 64 bits toward zero: over 32 bits the last two give 1.
      {"[TIMER]\nInterval=400\nShowLasting=1000", "ok | enabled 0 interval 400 | 2 |"},
      {"[TIMER]\nShowLasting=-30000", "ok | enabled 0 interval 1000 | -30 |"},
      {"[TIMER]\nShowLasting=999", "ok | enabled 0 interval 1000 | 0 |"},
      {"[TIMER]\nInterval=3\nShowLasting=-7", "ok | enabled 0 interval 3 | -2 |"},
      {"[TIMER]\nInterval=-1\nShowLasting=30000", "ok | enabled 0 interval 4294967295 | 0 |"},
      {"[TIMER]\nInterval=$80000000\nShowLasting=-2147483648",
       "ok | enabled 0 interval 2147483648 | -1 |"},
      {"[TIMER]\nInterval=1\nShowLasting=-2147483648", "ok | enabled 0 interval 1 | -2147483648 |"},
      // Over 480 places the 240 x 36 display cannot hold them without overlaps.
      {"[TIMER]\nActions=481\n[RECT]\n0=1,2,3,4",
       "failed: [TIMER] Actions=481 is over the limit of 480: the 240 x 36 display holds no more "
       "16-pixel-high places without one covering another | enabled 0 interval 1000 | 30 |"}};
  for (const auto& [file, loaded] : cases) {
    EXPECT_EQ(Load(test::FakeProfileReader(file)), loaded) << file;
  }
}

TEST(LoadTimerDefinition, AnInterruptionFailsKeepingWhatWasDone) {
  test::FakeProfileReader file("[TIMER]\nEnable=1\nActions=2\n[TIMER.ACTION1]\nPROMPT=kept");
  file.fail_at = "TIMER.ACTION2/P_Y";
  EXPECT_EQ(Load(file), "failed: " + std::string(std::bad_alloc().what()) +
                            " | enabled 1 interval 1000 | 30 | [kept 0,0 0,0,0,0 0,0]");
  // A refusal that is no standard exception, as the platform's timer may give.
  file.fail_at = "TIMER/Interval";
  file.fail = [] { throw 1; };
  ScreenDefinition model;
  model.ShowLastingTicks = 9;
  EXPECT_EQ(Load(file, std::move(model)), "failed: Loading [TIMER] failed | enabled 1 | 9 |");
}

TEST(LoadTimerDefinition, AtMost480ActionsFitTheDisplay) {
  const std::string loaded =
      Load(test::FakeProfileReader("[TIMER]\nActions=480\n[RECT]\n0=1,2,3,4"));
  EXPECT_EQ(loaded.rfind("ok |", 0), 0u);
  EXPECT_EQ(std::count(loaded.begin(), loaded.end(), '['), 480);
}

}  // namespace
}  // namespace lumo
