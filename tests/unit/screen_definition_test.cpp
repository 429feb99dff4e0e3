#include <gtest/gtest.h>

#include <new>

#include "action_entries.h"
#include "fake_profile_reader.h"
#include "fakes/machine.h"
#include "screendef/action_list.h"
#include "screendef/timer_definition.h"
#include "screendef/window_definition.h"

namespace lumo {
namespace {

std::string Loaded(const ScreenDefinition& model) {
  return model.WindowCaption + " / " + test::Text(model.OnShowActions.get()) + " / " +
         test::Text(model.OnCloseActions.get());
}

TEST(LoadWindowDefinition, ReadsTheCaptionAndBothListsAndAnInterruptionKeepsWhatWasStored) {
  ScreenDefinition model;
  model.OnCloseActions = ParseActionList("DISPLAY=~before");
  test::FakeProfileReader file(
      "[WINDOW]\nCaption=\xCA\xD5\xD2\xF8\xCC\xA8\nOnShow=SPEAK=<%1001%>&DISPLAY=~<%1002%>\n"
      "OnClose=SPEAK=2");
  file.on_read = [](const std::string& key) {
    if (key == "WINDOW/OnClose") {
      throw std::bad_alloc();
    }
  };
  std::string failure;
  EXPECT_FALSE(LoadWindowDefinition(model, file, &failure));
  EXPECT_EQ(failure, std::bad_alloc().what());
  EXPECT_EQ(Loaded(model), "\xCA\xD5\xD2\xF8\xCC\xA8 / S'<%1001%>' D'~<%1002%>' / D'~before'");
  file.on_read = nullptr;
  EXPECT_TRUE(LoadWindowDefinition(model, file));
  EXPECT_EQ(Loaded(model), "\xCA\xD5\xD2\xF8\xCC\xA8 / S'<%1001%>' D'~<%1002%>' / S'2'");
  // Without a file everything is empty; what is no standard exception is caught as well.
  EXPECT_TRUE(LoadWindowDefinition(model, test::FakeProfileReader("")));
  EXPECT_EQ(Loaded(model), " /  / ");
  file.on_read = [](const std::string&) { throw 42; };
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
  for (const TBmpAction& a : model.TimerActions) {
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
       "Left,Top,Right,Bottom | enabled 0 interval 1000 | 30 |"}};
  for (const auto& [file, loaded] : cases) {
    EXPECT_EQ(Load(test::FakeProfileReader(file)), loaded) << file;
  }
}

TEST(LoadTimerDefinition, ShowLastingIsDividedIn64BitsTowardZero) {
  // interval, ShowLasting, interval applied and ticks.
  const char* cases[][3] = {{"250", "1000", "250 | 4"},
                            {"400", "1000", "400 | 2"},
                            {"1000", "-30000", "1000 | -30"},
                            {"1000", "999", "1000 | 0"},
                            {"3", "-7", "3 | -2"},
                            {"-1", "30000", "4294967295 | 0"},
                            // Over a 32-bit signed or unsigned division this would be 1.
                            {"$80000000", "-2147483648", "2147483648 | -1"},
                            {"1", "-2147483648", "1 | -2147483648"}};
  for (const auto& [interval, show_lasting, applied] : cases) {
    EXPECT_EQ(Load(test::FakeProfileReader(std::string("[TIMER]\nInterval=") + interval +
                                           "\nShowLasting=" + show_lasting)),
              std::string("ok | enabled 0 interval ") + applied + " |");
  }
}

TEST(LoadTimerDefinition, AnInterruptionFailsKeepingWhatWasDone) {
  test::FakeProfileReader file("[TIMER]\nEnable=1\nActions=2\n[TIMER.ACTION1]\nPROMPT=kept");
  file.on_read = [](const std::string& key) {
    if (key == "TIMER.ACTION2/P_Y") {
      throw std::bad_alloc();
    }
  };
  EXPECT_EQ(Load(file), "failed: " + std::string(std::bad_alloc().what()) +
                            " | enabled 1 interval 1000 | 30 | [kept 0,0 0,0,0,0 0,0]");
  // A refusal that is no standard exception, as the platform's timer may give.
  file.on_read = [](const std::string& key) {
    if (key == "TIMER/Interval") {
      throw 1;
    }
  };
  ScreenDefinition model;
  model.ShowLastingTicks = 9;
  EXPECT_EQ(Load(file, std::move(model)), "failed: Loading [TIMER] failed | enabled 1 | 9 |");
}

TEST(LoadTimerDefinition, AtMost480ActionsFitTheDisplay) {
  for (const int actions : {480, 481}) {
    ScreenDefinition model;
    RecordingTimer timer;
    std::string failure;
    const test::FakeProfileReader file("[TIMER]\nActions=" + std::to_string(actions) +
                                       "\n[RECT]\n0=1,2,3,4");
    EXPECT_EQ(LoadTimerDefinition(model, timer, file, &failure), actions == 480);
    EXPECT_EQ(failure, actions == 480
                           ? ""
                           : "[TIMER] Actions=481 is over the limit of 480: the 240 x 36 "
                             "display holds no more 16-pixel-high places without one "
                             "covering another");
    EXPECT_EQ(model.TimerActions.size(), actions == 480 ? 480u : 0u);
  }
}

}  // namespace
}  // namespace lumo
