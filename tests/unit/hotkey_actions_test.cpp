#include "hotkeys/hotkey_actions.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "common/errors.h"
#include "hotkeys/hotkey_file.h"
#include "support/iconv_code_page.h"
#include "support/memory_files.h"

namespace lumo {
namespace {

const std::string kPath = "C:\\Pos\\Lumo.hkd";

// Registers like Windows would: a combination an earlier entry holds is refused. Records
// every call.
class FakeComponent : public HotkeyComponent {
 public:
  std::vector<std::string> calls;
  std::vector<THotKeyEntry> entries;
  bool active = false;

  THotKeyEntry AddHotKey(std::uint8_t key, THotKeyModifiers modifiers) override {
    calls.push_back("Add " + std::to_string(key) + " " + std::to_string(modifiers) +
                    (active ? " active" : " inactive"));
    entries.push_back({modifiers, key, false});
    if (active) {
      Register(entries.back());
    }
    return entries.back();
  }
  void Delete(int index) override { entries.erase(entries.begin() + index); }
  void Clear() override {
    calls.push_back("Clear");
    entries.clear();
  }
  int Count() const override { return static_cast<int>(entries.size()); }
  THotKeyEntry Entry(int index) const override { return entries.at(index); }
  bool Active() const override { return active; }
  void SetActive(bool value) override {
    calls.push_back(value ? "Active" : "Inactive");
    active = value;
    for (THotKeyEntry& entry : entries) {
      if (value) {
        Register(entry);
      } else {
        entry.Registered = false;
      }
    }
  }

 private:
  void Register(THotKeyEntry& entry) {
    bool taken = false;
    for (const THotKeyEntry& other : entries) {
      taken = taken || (&other != &entry && other.Registered && other.Key == entry.Key &&
                        other.Modifiers == entry.Modifiers);
    }
    entry.Registered = !taken;
  }
};

class FakeHost : public HotkeyHost {
 public:
  std::vector<std::string> calls;
  std::vector<std::string> errors;
  bool edit_enabled = true;
  bool settings_enabled = false;
  std::function<void()> on_edit;

  void N1Click() override { calls.push_back("N1Click"); }
  bool EditHotkeysEnabled() const override { return edit_enabled; }
  void N5Click() override {
    calls.push_back("N5Click");
    if (on_edit) {
      on_edit();
    }
  }
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
  FakeComponent component_;
  test::MemoryFiles files_;
  test::IconvCodePage code_page_;
  HotkeyStore store_{files_, code_page_, kPath};
  FakeHost host_;
  HotkeyActions actions_{list_, component_, store_, host_};
};

TEST_F(HotkeyActionsTest, InstallAddsEveryDefinitionInOrderThenActivates) {
  list_ = {Rec(0, 69, true, "Speak=%3"), Rec(2, -1, false, "", false), Rec(1, 69, true),
           Rec(2, 28, false)};
  list_[3]->Shift = true;
  list_[3]->Win = true;
  actions_.InstallHotkeys();
  // F1 is component key 76, "A" is 34; no key is 0. The inactive definition is added too.
  EXPECT_EQ(component_.calls,
            (std::vector<std::string>{"Add 76 2 inactive", "Add 0 0 inactive", "Add 76 2 inactive",
                                      "Add 34 9 inactive", "Active"}));
  // The second Ctrl+F1 is refused and stays in its place.
  ASSERT_EQ(component_.Count(), 4);
  EXPECT_TRUE(component_.Entry(0).Registered);
  EXPECT_FALSE(component_.Entry(2).Registered);
  EXPECT_TRUE(component_.Entry(3).Registered);

  actions_.RemoveHotkeys();
  EXPECT_EQ(component_.calls.back(), "Clear");
  EXPECT_EQ(component_.calls[component_.calls.size() - 2], "Inactive");
  EXPECT_EQ(component_.Count(), 0);
}

TEST_F(HotkeyActionsTest, EachActionDoesWhatItsNameSays) {
  list_ = {Rec(0, 69, true, "Display=~%3^Speak=%3"),
           Rec(1, 70, true),
           Rec(2, 71, true),
           Rec(3, 72, true),
           Rec(4, 73, true),
           Rec(0, 74, true, "", false)};
  for (std::int32_t index : {0, 1, 2, 3, 4, 5, 6, -1}) {
    actions_.HotKeyPressed(index);
  }
  EXPECT_EQ(host_.calls,
            (std::vector<std::string>{"Run Display=~%3^Speak=%3", "N5Click", "N1Click", "Run "}));
  EXPECT_TRUE(host_.errors.empty());
}

TEST_F(HotkeyActionsTest, MenuItemsAreAskedAtTheMomentOfThePress) {
  list_ = {Rec(1, 70, true), Rec(3, 72, true)};
  host_.edit_enabled = false;
  actions_.HotKeyPressed(0);
  EXPECT_TRUE(host_.calls.empty());
  host_.edit_enabled = true;
  actions_.HotKeyPressed(0);
  actions_.HotKeyPressed(1);
  host_.settings_enabled = true;
  actions_.HotKeyPressed(1);
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"N5Click", "N6Click"}));
}

TEST_F(HotkeyActionsTest, AnErrorEndsOnlyThatKeyPress) {
  list_ = {Rec(0, 69, true, "Speak=%x"), Rec(0, 70, true, "Speak=%3")};
  actions_.HotKeyPressed(0);
  ASSERT_EQ(host_.errors.size(), 1u);
  EXPECT_EQ(host_.errors[0], "'x' is not a valid integer value");
  actions_.HotKeyPressed(1);
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"Run Speak=%3"}));
}

TEST_F(HotkeyActionsTest, AfterAnApplyTheIdentifiersFollowTheNewList) {
  list_ = {Rec(2, 69, true), Rec(0, 70, true, "Speak=second"), Rec(1, 71, true)};
  actions_.InstallHotkeys();
  // The editor, opened by the third hotkey, deletes the first definition and applies.
  host_.on_edit = [&] {
    list_.erase(list_.begin());
    actions_.RemoveHotkeys();
    actions_.InstallHotkeys();
  };
  actions_.HotKeyPressed(2);
  ASSERT_EQ(component_.Count(), 2);
  EXPECT_EQ(component_.Entry(0).Key, KeyIndexToHotKeyKey(70));
  EXPECT_TRUE(component_.Entry(0).Registered);
  actions_.HotKeyPressed(0);
  actions_.HotKeyPressed(2);  // no longer a definition
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"N5Click", "Run Speak=second"}));
}

TEST_F(HotkeyActionsTest, FileProblemsAreReportedAndNeverStopStartUpOrClose) {
  // First start: nothing to load, nothing to report.
  actions_.LoadHotkeys();
  EXPECT_TRUE(host_.errors.empty());
  EXPECT_TRUE(list_.empty());

  // A damaged file: what was complete is kept and the user is told.
  list_ = {Rec(2, 5, false), Rec(0, 6, true, "Speak=1")};
  actions_.SaveHotkeys();
  const std::string whole = files_.contents.at(kPath);
  files_.contents[kPath] = whole.substr(0, whole.size() - 3);
  list_.clear();
  actions_.LoadHotkeys();
  ASSERT_EQ(host_.errors.size(), 1u);
  EXPECT_EQ(host_.errors[0].find("Cannot read file \"" + kPath + "\". Stream read error"), 0u);
  ASSERT_EQ(list_.size(), 1u);
  EXPECT_EQ(list_[0]->Key, 5);

  // A save that fails at close is reported; the old file stays.
  const std::string damaged = files_.contents.at(kPath);
  list_.push_back(Rec(2, 7, false));  // applied in the editor
  files_.fail_commit = true;
  actions_.SaveHotkeys();
  ASSERT_EQ(host_.errors.size(), 2u);
  EXPECT_EQ(host_.errors[1].find("Cannot create file \"" + kPath + "\""), 0u);
  EXPECT_EQ(files_.contents.at(kPath), damaged);
}

}  // namespace
}  // namespace lumo
