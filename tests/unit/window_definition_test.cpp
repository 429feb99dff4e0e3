#include "screendef/window_definition.h"

#include <gtest/gtest.h>

#include <new>

#include "action_entries.h"
#include "fake_profile_reader.h"
#include "screendef/action_list.h"

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

}  // namespace
}  // namespace lumo
