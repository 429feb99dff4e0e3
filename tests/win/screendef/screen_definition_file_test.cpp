// Lumo.sdf files on disk, read through the production reader into the model.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/win_profile_reader.h"
#include "screendef/capture_timer.h"
#include "screendef/screen_definition_file.h"
#include "screendef/timer_definition.h"
#include "screendef/window_definition.h"
#include "support/paths.h"
#include "support/process.h"

namespace lumo {
namespace {

struct TimerSettings : CaptureTimer {
  bool enabled = false;
  std::uint32_t interval = 0;
  void SetEnabled(bool value) override { enabled = value; }
  void SetInterval(std::uint32_t milliseconds) override { interval = milliseconds; }
};

using Entries = std::vector<std::pair<int, std::string>>;

Entries EntriesOf(const ActionList& list) {
  Entries entries;
  for (const TLumoAction* action = list.get(); action; action = action->Next.get()) {
    entries.emplace_back(action->Kind, action->Text);
  }
  return entries;
}

struct LoadedFile {
  bool window_ok = false;
  bool timer_ok = false;
  ScreenDefinition model;
  TimerSettings timer;
};

// Lumo.sdf with content (when given) beside a copy of Lumo.exe in a fresh program folder,
// loaded the way the main window loads it.
LoadedFile LoadBesideProgram(const std::string& folder, const std::string* content) {
  const std::string dir = test::MakeProgramDir(folder);
  test::CopyFromBin(dir, {"Lumo.exe"});
  const std::string path = ScreenDefinitionPath(dir + "Lumo.exe");
  if (content) {
    test::WriteFile(path, *content);
  }
  const WinProfileReader file(path);
  LoadedFile loaded;
  loaded.window_ok = LoadWindowDefinition(loaded.model, file);
  loaded.timer_ok = LoadTimerDefinition(loaded.model, loaded.timer, file);
  return loaded;
}

TEST(ScreenDefinitionFile, WithoutAFileNothingIsRecognisedAndTheTimerIsOff) {
  const LoadedFile loaded = LoadBesideProgram("sdf-missing", nullptr);
  EXPECT_TRUE(loaded.window_ok);
  EXPECT_TRUE(loaded.timer_ok);
  EXPECT_EQ(loaded.model.WindowCaption, "");
  EXPECT_EQ(loaded.model.OnShowActions, nullptr);
  EXPECT_EQ(loaded.model.OnCloseActions, nullptr);
  EXPECT_FALSE(loaded.timer.enabled);
  EXPECT_EQ(loaded.timer.interval, 1000u);
  EXPECT_EQ(loaded.model.ShowLastingTicks, 30);
  EXPECT_TRUE(loaded.model.TimerActions.empty());
}

TEST(ScreenDefinitionFile, AProgramNameEndingInABackslashTrailByteKeepsItsFolder) {
  // The program renamed to 收银 and a character whose trail byte is 0x5C: a byte-wise search
  // for the last backslash would cut inside the name and look in a folder that is not there.
  const std::string dir = test::MakeProgramDir("sdf-\xCA\xD5\xD2\xF8");
  const std::string program = dir + "\xCA\xD5\xD2\xF8\xB1\x5C.exe";
  ASSERT_TRUE(CopyFileA((test::BinDir() + "Lumo.exe").c_str(), program.c_str(), FALSE));
  const std::string path = ScreenDefinitionPath(program);
  EXPECT_EQ(path, dir + "Lumo.sdf");
  test::WriteFile(dir + "Lumo.sdf", "[WINDOW]\r\nCaption=\xCA\xD5\xD2\xF8\r\n");
  ScreenDefinition model;
  EXPECT_TRUE(LoadWindowDefinition(model, WinProfileReader(path)));
  EXPECT_EQ(model.WindowCaption, "\xCA\xD5\xD2\xF8");
}

TEST(ScreenDefinitionFile, EveryKeyOfTheTableLoadsIntoTheModel) {
  // Chinese texts are GBK bytes: 收银台 - 演示, 应收, 元整, 谢谢 惠顾, 找零.
  const std::string content =
      "; Lumo.sdf with every key\r\n"
      "[WINDOW]\r\n"
      "Caption = \xCA\xD5\xD2\xF8\xCC\xA8 - \xD1\xDD\xCA\xBE\r\n"
      "Class=TRegisterForm\r\n"
      // Quoted first token, unquoted last: the reader keeps the marks.
      "OnShow=\"DISPLAY=~\xD3\xA6\xCA\xD5 <%1001%>\" & speak=<%1001%>\xD4\xAA\xD5\xFB\r\n"
      // One quoted token needs a further pair, which the reader takes off.
      "OnClose=\"\"DISPLAY=~\xD0\xBB\xD0\xBB \xBB\xDD\xB9\xCB\"\"\r\n"
      "Controls Count=1\r\nMenus Count=1\r\n"
      "[Control_0]\r\nID=1001\r\nAction=SPEAK=<%1001%>\r\nGetfocus=yes\r\n"
      "[Menu_0]\r\nID=$10\r\nAction=DISPLAY=~menu\r\n"
      "[TIMER]\r\nEnable=1\r\nInterval=0x1F4\r\nShowLasting=10000\r\nActions=2\r\n"
      "[TIMER.ACTION1]\r\nPROMPT=\xD3\xA6\xCA\xD5\r\nP_X=0\r\nP_Y=2\r\nS_X=40\r\nS_Y=1\r\nBMP_RECT="
      "1\r\n"
      "[timer.action2]\r\nprompt=\xD5\xD2\xC1\xE3\r\nP_X=120\r\nP_Y=20\r\nS_X=160\r\nS_Y=18\r\n"
      "BMP_RECT=2\r\n"
      "[RECT]\r\n"
      "1=10, 40, 130, 60\r\n"
      "2=\"10\",70,$82,90,ignored\r\n";
  const LoadedFile loaded = LoadBesideProgram("sdf-complete", &content);
  EXPECT_TRUE(loaded.window_ok);
  EXPECT_TRUE(loaded.timer_ok);

  EXPECT_EQ(loaded.model.WindowCaption, "\xCA\xD5\xD2\xF8\xCC\xA8 - \xD1\xDD\xCA\xBE");
  EXPECT_EQ(EntriesOf(loaded.model.OnShowActions),
            (Entries{{0, "~\xD3\xA6\xCA\xD5 <%1001%>"}, {1, "<%1001%>\xD4\xAA\xD5\xFB"}}));
  EXPECT_EQ(EntriesOf(loaded.model.OnCloseActions),
            (Entries{{0, "~\xD0\xBB\xD0\xBB \xBB\xDD\xB9\xCB"}}));

  EXPECT_TRUE(loaded.timer.enabled);
  EXPECT_EQ(loaded.timer.interval, 500u);
  EXPECT_EQ(loaded.model.ShowLastingTicks, 20);
  // Prompt, its place, the image's place and the region of each action.
  const auto fields = [](const TBmpAction& a) {
    return std::tuple(a.Prompt, a.PromptX, a.PromptY, a.ImageX, a.ImageY, a.CaptureRect);
  };
  const std::vector<TBmpAction>& actions = loaded.model.TimerActions;
  ASSERT_EQ(actions.size(), 2u);
  EXPECT_EQ(fields(actions[0]), std::tuple(std::string("\xD3\xA6\xCA\xD5"), 0, 2, 40, 1,
                                           CaptureRectangle{10, 40, 130, 60}));
  EXPECT_EQ(fields(actions[1]), std::tuple(std::string("\xD5\xD2\xC1\xE3"), 120, 20, 160, 18,
                                           CaptureRectangle{10, 70, 130, 90}));
}

TEST(ScreenDefinitionFile, TheDemoFileLoadsForTheRegisterStandIn) {
  const std::string dir = test::MakeProgramDir("sdf-demo");
  ASSERT_TRUE(
      CopyFileA((test::BinDir() + "demo\\Lumo.sdf").c_str(), (dir + "Lumo.sdf").c_str(), FALSE));
  const WinProfileReader file(ScreenDefinitionPath(dir + "Lumo.exe"));
  ScreenDefinition model;
  TimerSettings timer;
  EXPECT_TRUE(LoadWindowDefinition(model, file));
  EXPECT_TRUE(LoadTimerDefinition(model, timer, file));
  // "收银台 - 演示", the stand-in's title.
  EXPECT_EQ(model.WindowCaption, "\xCA\xD5\xD2\xF8\xCC\xA8 - \xD1\xDD\xCA\xBE");
  // "~应收 <%1001%>", "^合计 <%1002%>", "应收<%1001%>元整"
  EXPECT_EQ(EntriesOf(model.OnShowActions),
            (Entries{{0, "~\xD3\xA6\xCA\xD5 <%1001%>"},
                     {0, "^\xBA\xCF\xBC\xC6 <%1002%>"},
                     {1, "\xD3\xA6\xCA\xD5<%1001%>\xD4\xAA\xD5\xFB"}}));
  const Entries on_close = EntriesOf(model.OnCloseActions);
  ASSERT_EQ(on_close.size(), 2u);
  EXPECT_EQ(on_close[0].second.substr(0, 1), "~");
  EXPECT_EQ(on_close[1].second.substr(0, 1), "^");
  EXPECT_TRUE(timer.enabled);
  EXPECT_EQ(timer.interval, 1000u);
  EXPECT_EQ(model.ShowLastingTicks, 30);
  ASSERT_EQ(model.TimerActions.size(), 2u);
  for (const TBmpAction& action : model.TimerActions) {
    EXPECT_FALSE(action.Prompt.empty());
    EXPECT_GT(action.CaptureRect.Right, action.CaptureRect.Left);
    EXPECT_GT(action.CaptureRect.Bottom, action.CaptureRect.Top);
    // The copied region, 16 pixels high, stays on the 240 x 36 picture.
    const std::int64_t width = std::int64_t{action.CaptureRect.Right - action.CaptureRect.Left} *
                               16 / (action.CaptureRect.Bottom - action.CaptureRect.Top);
    EXPECT_LE(action.ImageX + width, 240);
    EXPECT_LE(action.ImageY + 16, 36);
  }
}

}  // namespace
}  // namespace lumo
