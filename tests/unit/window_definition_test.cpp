#include "screendef/window_definition.h"

#include <gtest/gtest.h>

#include <new>

#include "action_entries.h"
#include "fake_profile_reader.h"
#include "screendef/action_list.h"

namespace lumo {
namespace {

using test::Entries;
using List = std::vector<test::Entry>;

TEST(LoadWindowDefinition, WithoutAFileEverythingIsEmpty) {
  test::FakeProfileReader file;
  ScreenDefinition model;
  EXPECT_TRUE(LoadWindowDefinition(model, file));
  EXPECT_EQ(model.WindowCaption, "");
  EXPECT_EQ(model.OnShowActions, nullptr);
  EXPECT_EQ(model.OnCloseActions, nullptr);
}

TEST(LoadWindowDefinition, ReadsCaptionAndBothListsIgnoringTheRest) {
  test::FakeProfileReader file;
  file.Set("window", "caption", "\xCA\xD5\xD2\xF8\xCC\xA8")  // "收银台"
      .Set("WINDOW", "Class", "TRegister")
      .Set("WINDOW", "OnShow", "SPEAK=<%1001%>&DISPLAY=~<%1002%>")
      .Set("WINDOW", "OnClose", "DISPLAY=~")
      // Entries nothing acts upon never make loading fail, whatever they hold.
      .Set("WINDOW", "Controls Count", "2147483647")
      .Set("Control_0", "ID", "x")
      .Set("Control_0", "Action", "\"unclosed")
      .Set("WINDOW", "Menus Count", "-5");
  ScreenDefinition model;
  EXPECT_TRUE(LoadWindowDefinition(model, file));
  EXPECT_EQ(model.WindowCaption, "\xCA\xD5\xD2\xF8\xCC\xA8");
  EXPECT_EQ(Entries(model.OnShowActions), (List{{1, "<%1001%>"}, {0, "~<%1002%>"}}));
  EXPECT_EQ(Entries(model.OnCloseActions), (List{{0, "~"}}));
}

TEST(LoadWindowDefinition, AnInterruptionKeepsWhatWasStored) {
  test::FakeProfileReader file;
  file.Set("WINDOW", "Caption", "POS")
      .Set("WINDOW", "OnShow", "SPEAK=1")
      .Set("WINDOW", "OnClose", "SPEAK=2")
      .FailOn("WINDOW", "OnClose", [] { throw std::bad_alloc(); });
  ScreenDefinition model;
  model.OnCloseActions = ParseActionList("DISPLAY=~before");
  std::string failure;
  EXPECT_FALSE(LoadWindowDefinition(model, file, &failure));
  EXPECT_EQ(failure, std::bad_alloc().what());
  EXPECT_EQ(model.WindowCaption, "POS");
  EXPECT_EQ(Entries(model.OnShowActions), (List{{1, "1"}}));
  EXPECT_EQ(Entries(model.OnCloseActions), (List{{0, "~before"}}));

  // Something that is no standard exception is caught as well.
  test::FakeProfileReader odd;
  odd.Set("WINDOW", "Caption", "POS").FailOn("WINDOW", "Caption", [] { throw 42; });
  ScreenDefinition untouched;
  EXPECT_FALSE(LoadWindowDefinition(untouched, odd, &failure));
  EXPECT_EQ(failure, "Loading [WINDOW] failed");
  EXPECT_EQ(untouched.WindowCaption, "");
  EXPECT_EQ(untouched.OnShowActions, nullptr);
}

}  // namespace
}  // namespace lumo
