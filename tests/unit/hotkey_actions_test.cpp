#include "hotkeys/hotkey_actions.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/errors.h"
#include "support/iconv_code_page.h"
#include "support/memory_files.h"

namespace lumo {
namespace {

using Calls = std::vector<std::string>;
const std::string kPath = "C:\\Pos\\Lumo.hkd";

// The hotkey component and the main window, recording their calls into one list.
class FakeWindow : public HotkeyComponent, public HotkeyHost {
 public:
  Calls calls;
  Calls errors;
  bool edit_enabled = true;
  bool settings_enabled = false;

  THotKeyEntry AddHotKey(std::uint8_t key, THotKeyModifiers modifiers) override {
    calls.push_back("Add " + std::to_string(key) + " " + std::to_string(modifiers));
    return {modifiers, key, true};
  }
  void Delete(int) override {}
  void Clear() override { calls.push_back("Clear"); }
  int Count() const override { return 0; }
  THotKeyEntry Entry(int) const override { return {}; }
  bool Active() const override { return false; }
  void SetActive(bool value) override { calls.push_back(value ? "Active" : "Inactive"); }

  void N1Click() override { calls.push_back("N1Click"); }
  bool EditHotkeysEnabled() const override { return edit_enabled; }
  void N5Click() override { calls.push_back("N5Click"); }
  bool SettingsEnabled() const override { return settings_enabled; }
  void N6Click() override { calls.push_back("N6Click"); }
  void RunHotkeyCommand(const std::string& parameter) override {
    if (parameter == "Speak=%x") {
      throw ConversionError("x");
    }
    calls.push_back("Run " + parameter);
  }
  void ReportError(const std::string& text) override { errors.push_back(text); }
};

std::shared_ptr<HotkeyRec> Rec(std::int32_t action, std::int32_t key, bool ctrl,
                               std::string parameter = "", bool active = true) {
  auto rec = std::make_shared<HotkeyRec>();
  rec->Action = action;
  rec->Key = key;
  rec->Ctrl = ctrl;
  rec->Parameter = std::move(parameter);
  rec->Active = active;
  return rec;
}

class HotkeyActionsTest : public ::testing::Test {
 protected:
  HotkeyList list_;
  FakeWindow window_;
  test::MemoryFiles files_;
  test::IconvCodePage code_page_;
  HotkeyStore store_{files_, code_page_, kPath};
  HotkeyActions actions_{list_, window_, store_, window_};
};

TEST_F(HotkeyActionsTest, InstallAddsEveryDefinitionInListOrderThenActivates) {
  list_ = {Rec(0, 69, true, "Speak=%3"), Rec(2, -1, false, "", false), Rec(1, 69, true),
           Rec(2, 28, false)};
  list_[3]->Shift = list_[3]->Win = true;
  actions_.InstallHotkeys();
  actions_.RemoveHotkeys();
  // F1 is component key 76, "A" is 34, no key is 0; inactive and repeated ones are added too,
  // so that the identifiers are the list's indices.
  EXPECT_EQ(window_.calls,
            (Calls{"Add 76 2", "Add 0 0", "Add 76 2", "Add 34 9", "Active", "Inactive", "Clear"}));
}

TEST_F(HotkeyActionsTest, APressRunsTheActionAskingTheMenuItemsAtThatMoment) {
  list_ = {Rec(0, 69, true, "Display=~%3^Speak=%3"),
           Rec(1, 70, true),
           Rec(2, 71, true),
           Rec(3, 72, true),
           Rec(4, 73, true),
           Rec(0, 74, true, "", false),
           Rec(0, 75, true, "Speak=%x")};
  for (std::int32_t index : {0, 1, 2, 3, 4, 5, 7, -1}) {
    actions_.HotKeyPressed(index);
  }
  window_.edit_enabled = false;
  window_.settings_enabled = true;
  actions_.HotKeyPressed(1);
  actions_.HotKeyPressed(3);
  // An error is reported and ends only that key press.
  actions_.HotKeyPressed(6);
  actions_.HotKeyPressed(0);
  EXPECT_EQ(window_.calls, (Calls{"Run Display=~%3^Speak=%3", "N5Click", "N1Click", "Run ",
                                  "N6Click", "Run Display=~%3^Speak=%3"}));
  EXPECT_EQ(window_.errors, Calls{"'x' is not a valid integer value"});
}

TEST_F(HotkeyActionsTest, FileProblemsAreReportedAndNeverStopStartUpOrClose) {
  actions_.LoadHotkeys();  // first start: nothing to load, nothing to report
  files_.contents[kPath] = "\x06";
  actions_.LoadHotkeys();
  list_.push_back(Rec(2, 7, false));  // applied in the editor
  files_.fail_commit = true;
  actions_.SaveHotkeys();
  EXPECT_EQ(window_.errors, (Calls{"Cannot read file \"" + kPath +
                                       "\". Stream read error\nA copy of the file was kept as \"" +
                                       kPath + ".bak\".",
                                   "Cannot create file \"" + kPath + "\". Access is denied"}));
}

}  // namespace
}  // namespace lumo
