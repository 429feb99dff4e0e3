#include "screendef/timer_definition.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "fake_capture_timer.h"
#include "fake_profile_reader.h"

namespace lumo {
namespace {

using Rect = CaptureRectangle;
using Calls = std::vector<std::string>;

struct Loaded {
  bool ok;
  ScreenDefinition model;
  test::FakeCaptureTimer timer;
};

Loaded Load(const test::FakeProfileReader& file) {
  Loaded result{false, {}, {}};
  result.ok = LoadTimerDefinition(result.model, result.timer, file);
  return result;
}

TEST(LoadTimerDefinition, WithoutATimerSectionTheTimerIsOffWithDefaults) {
  test::FakeProfileReader file;
  const Loaded loaded = Load(file);
  EXPECT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.timer.calls, (Calls{"enabled 0", "interval 1000"}));
  EXPECT_EQ(loaded.model.ShowLastingTicks, 30);
  EXPECT_TRUE(loaded.model.TimerActions.empty());
}

TEST(LoadTimerDefinition, TimerSettingsUseTheIntegerForms) {
  test::FakeProfileReader file;
  file.Set("TIMER", "Enable", "1").Set("TIMER", "Actions", "0");
  Loaded loaded = Load(file);
  EXPECT_TRUE(loaded.ok);
  EXPECT_TRUE(loaded.timer.enabled);
  EXPECT_TRUE(loaded.model.TimerActions.empty());

  file.Set("timer", "enable", "True").Set("Timer", "INTERVAL", "0x1F4");
  loaded = Load(file);
  EXPECT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.timer.calls, (Calls{"enabled 0", "interval 500"}));
  EXPECT_EQ(loaded.model.ShowLastingTicks, 60);

  // An interval that is no number is the default, not a failure.
  file.Set("TIMER", "Interval", "fast");
  loaded = Load(file);
  EXPECT_TRUE(loaded.ok);
  EXPECT_EQ(loaded.timer.interval, 1000u);
}

TEST(LoadTimerDefinition, ShowLastingIsDividedIn64BitsTowardZero) {
  struct Case {
    const char* interval;
    const char* show_lasting;
    std::uint32_t applied;
    std::int32_t ticks;
  };
  const Case cases[] = {
      {"250", "1000", 250, 4},
      {"400", "1000", 400, 2},
      {"1000", "-30000", 1000, -30},
      {"1000", "999", 1000, 0},
      {"3", "-7", 3, -2},
      {"-1", "30000", 4294967295u, 0},
      // Over a 32-bit signed or unsigned division this would be 1.
      {"$80000000", "-2147483648", 2147483648u, -1},
      {"1", "-2147483648", 1, INT32_MIN},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.interval) + " / " + c.show_lasting);
    test::FakeProfileReader file;
    file.Set("TIMER", "Interval", c.interval).Set("TIMER", "ShowLasting", c.show_lasting);
    const Loaded loaded = Load(file);
    EXPECT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.timer.interval, c.applied);
    EXPECT_EQ(loaded.model.ShowLastingTicks, c.ticks);
  }
}

TEST(LoadTimerDefinition, IntervalZeroFailsAfterTheTimerWasSwitched) {
  test::FakeProfileReader file;
  file.Set("TIMER", "Enable", "1")
      .Set("TIMER", "Interval", "0")
      .Set("TIMER", "Actions", "1")
      .Set("RECT", "0", "1,2,3,4");
  const Loaded loaded = Load(file);
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.timer.calls, (Calls{"enabled 1", "interval 0"}));
  EXPECT_EQ(loaded.model.ShowLastingTicks, 0);
  EXPECT_TRUE(loaded.model.TimerActions.empty());
}

TEST(LoadTimerDefinition, ActionsComeFromTheirSectionsAndTheNamedRectangle) {
  test::FakeProfileReader file;
  file.Set("TIMER", "Actions", "3")
      .Set("TIMER.ACTION1", "PROMPT", "\xD3\xA6\xCA\xD5")  // "应收"
      .Set("TIMER.ACTION1", "P_X", "1")
      .Set("TIMER.ACTION1", "P_Y", "2")
      .Set("TIMER.ACTION1", "S_X", "3")
      .Set("TIMER.ACTION1", "S_Y", "4")
      .Set("TIMER.ACTION1", "BMP_RECT", "7")
      .Set("timer.action3", "bmp_rect", "0x7")
      .Set("RECT", "7", "10, 20, 110, 40")
      .Set("RECT", "0", "5,6,7,8");
  const Loaded loaded = Load(file);
  ASSERT_TRUE(loaded.ok);
  const std::vector<TBmpAction>& actions = loaded.model.TimerActions;
  ASSERT_EQ(actions.size(), 3u);
  EXPECT_EQ(actions[0].Prompt, "\xD3\xA6\xCA\xD5");
  EXPECT_EQ(actions[0].PromptX, 1);
  EXPECT_EQ(actions[0].PromptY, 2);
  EXPECT_EQ(actions[0].ImageX, 3);
  EXPECT_EQ(actions[0].ImageY, 4);
  EXPECT_EQ(actions[0].CaptureRect, (Rect{10, 20, 110, 40}));
  // A missing section gives every default and the rectangle of entry 0.
  EXPECT_EQ(actions[1].Prompt, "");
  EXPECT_EQ(actions[1].PromptX + actions[1].PromptY + actions[1].ImageX + actions[1].ImageY, 0);
  EXPECT_EQ(actions[1].CaptureRect, (Rect{5, 6, 7, 8}));
  // The key is the number in plain decimal, however "BMP_RECT" wrote it.
  EXPECT_EQ(actions[2].CaptureRect, actions[0].CaptureRect);
}

TEST(LoadTimerDefinition, RectangleKeysAreDecimalWithSign) {
  test::FakeProfileReader file;
  file.Set("TIMER", "Actions", "3")
      .Set("TIMER.ACTION1", "BMP_RECT", "-3")
      .Set("TIMER.ACTION2", "BMP_RECT", "007")
      .Set("TIMER.ACTION3", "BMP_RECT", "9")
      .Set("RECT", "-3", "1,1,1,1")
      .Set("RECT", "7", "2,2,2,2");
  const Loaded loaded = Load(file);
  ASSERT_TRUE(loaded.ok);
  ASSERT_EQ(loaded.model.TimerActions.size(), 3u);
  EXPECT_EQ(loaded.model.TimerActions[0].CaptureRect, (Rect{1, 1, 1, 1}));
  EXPECT_EQ(loaded.model.TimerActions[1].CaptureRect, (Rect{2, 2, 2, 2}));
  // Neither the entry nor entry 0 exists: no failure, an empty rectangle.
  EXPECT_EQ(loaded.model.TimerActions[2].CaptureRect, (Rect{0, 0, 0, 0}));
}

TEST(LoadTimerDefinition, NoActionsForACountOfZeroOrLess) {
  test::FakeProfileReader file;
  file.Set("TIMER", "Actions", "-2").Set("TIMER.ACTION1", "PROMPT", "x");
  const Loaded loaded = Load(file);
  EXPECT_TRUE(loaded.ok);
  EXPECT_TRUE(loaded.model.TimerActions.empty());
}

TEST(LoadTimerDefinition, ABadRectangleFailsKeepingTheActionsBeforeIt) {
  for (const char* bad : {"1,2,3", "1;2;3;4", "1,2,3,", "1,2,,4", "a,b,c,d", ""}) {
    SCOPED_TRACE(bad);
    test::FakeProfileReader file;
    file.Set("TIMER", "Enable", "1")
        .Set("TIMER", "Interval", "250")
        .Set("TIMER", "Actions", "3")
        .Set("TIMER.ACTION1", "PROMPT", "first")
        .Set("TIMER.ACTION1", "BMP_RECT", "1")
        .Set("TIMER.ACTION2", "PROMPT", "second")
        .Set("TIMER.ACTION2", "BMP_RECT", "2")
        .Set("TIMER.ACTION3", "PROMPT", "third")
        .Set("RECT", "1", "0,0,10,10")
        .Set("RECT", "2", bad)
        .Set("RECT", "0", "0,0,10,10");
    const Loaded loaded = Load(file);
    EXPECT_FALSE(loaded.ok);
    EXPECT_TRUE(loaded.timer.enabled);
    EXPECT_EQ(loaded.timer.interval, 250u);
    EXPECT_EQ(loaded.model.ShowLastingTicks, 120);
    ASSERT_EQ(loaded.model.TimerActions.size(), 1u);
    EXPECT_EQ(loaded.model.TimerActions[0].Prompt, "first");
  }
}

TEST(LoadTimerDefinition, AFailureSaysWhichKeyAndWhy) {
  const struct {
    const char* key;
    const char* value;
    const char* rect;
    const char* reason;  // empty: loads
  } cases[] = {
      {"Interval", "0", "", "[TIMER] Interval is 0: the capture timer needs a period"},
      {"Actions", "1", "1,2,3",
       "[RECT] 0=1,2,3 (named by [TIMER.ACTION1] BMP_RECT) is not four numbers "
       "Left,Top,Right,Bottom"},
      {"Actions", "481", "1,2,3",
       "[TIMER] Actions=481 is over the limit of 480: the 240 x 36 display holds no more "
       "16-pixel-high places without one covering another"},
      {"Actions", "480", "1,2,3,4", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    test::FakeProfileReader file;
    file.Set("TIMER", c.key, c.value).Set("RECT", "0", c.rect);
    Loaded loaded{false, {}, {}};
    std::string failure;
    loaded.ok = LoadTimerDefinition(loaded.model, loaded.timer, file, &failure);
    EXPECT_EQ(loaded.ok, *c.reason == '\0');
    EXPECT_EQ(failure, c.reason);
    EXPECT_EQ(loaded.model.TimerActions.size(), loaded.ok ? 480u : 0u);
  }
}

TEST(LoadTimerDefinition, ExhaustedResourcesFailKeepingWhatWasDone) {
  // The platform refuses the timer when it is switched on.
  test::FakeProfileReader file;
  file.Set("TIMER", "Enable", "1").Set("TIMER", "Actions", "1");
  ScreenDefinition model;
  model.ShowLastingTicks = 9;
  model.TimerActions.push_back(TBmpAction{});
  test::FakeCaptureTimer timer;
  timer.refuse_enable = [] { throw std::runtime_error("no timer"); };
  std::string failure;
  EXPECT_FALSE(LoadTimerDefinition(model, timer, file, &failure));
  EXPECT_EQ(failure, "no timer");
  EXPECT_EQ(model.ShowLastingTicks, 9);
  EXPECT_TRUE(model.TimerActions.empty());
  EXPECT_EQ(timer.calls, (Calls{"enabled 1"}));

  test::FakeCaptureTimer odd;
  odd.refuse_interval = [] { throw 1; };
  EXPECT_FALSE(LoadTimerDefinition(model, odd, file, &failure));
  EXPECT_EQ(failure, "Loading [TIMER] failed");
  EXPECT_TRUE(odd.enabled);

  // Memory runs out while the second action is read.
  file.Set("TIMER", "Actions", "2")
      .Set("TIMER.ACTION1", "PROMPT", "kept")
      .FailOn("TIMER.ACTION2", "P_Y", [] { throw std::bad_alloc(); });
  const Loaded loaded = Load(file);
  EXPECT_FALSE(loaded.ok);
  EXPECT_EQ(loaded.model.ShowLastingTicks, 30);
  ASSERT_EQ(loaded.model.TimerActions.size(), 1u);
  EXPECT_EQ(loaded.model.TimerActions[0].Prompt, "kept");
}

}  // namespace
}  // namespace lumo
