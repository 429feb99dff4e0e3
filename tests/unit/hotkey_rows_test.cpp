#include "editors/hotkey_rows.h"

#include <gtest/gtest.h>

#include <cstring>

namespace lumo {
namespace {

const std::wstring kYes(YesNoNames[1]);
const std::wstring kNo(YesNoNames[0]);
const std::wstring kRunCommand(ActionNames[0]);
const std::wstring kConsole(ActionNames[2]);

int ByteCompare(const std::string& a, const std::string& b) {
  return std::strcmp(a.c_str(), b.c_str());
}

std::shared_ptr<HotkeyRec> Def(const std::string& description, std::int32_t key, bool ctrl,
                               bool active = true, std::int32_t action = 0,
                               const std::string& parameter = "") {
  auto rec = std::make_shared<HotkeyRec>();
  rec->Description = description;
  rec->Key = key;
  rec->Ctrl = ctrl;
  rec->Active = active;
  rec->Action = action;
  rec->Parameter = parameter;
  return rec;
}

// Answers the two checks as told and records what it was asked.
struct FakeChecks : HotkeyChecks {
  bool continue_conflict = false;
  bool registration_accepted = true;
  std::vector<std::pair<std::string, std::string>> conflicts;
  std::vector<std::pair<std::uint8_t, THotKeyModifiers>> registrations;

  bool ConfirmConflict(const std::string& entry, const std::string& message) override {
    conflicts.emplace_back(entry, message);
    return continue_conflict;
  }
  bool TryRegistration(std::uint8_t key, THotKeyModifiers modifiers) override {
    registrations.emplace_back(key, modifiers);
    return registration_accepted;
  }
};

std::vector<std::string> Captions(const HotkeyRows& rows) {
  std::vector<std::string> captions;
  for (const HotkeyRow& row : rows.Rows()) {
    captions.push_back(row.caption);
  }
  return captions;
}

TEST(HotkeyRows, AnEmptyListOpensWithOneBlankRowReadyToApply) {
  HotkeyRows rows(ByteCompare);
  const HotkeyFields shown = rows.Fill({});
  ASSERT_EQ(rows.Rows().size(), 1u);
  const HotkeyRow& row = rows.Rows()[0];
  EXPECT_EQ(row.caption, "");
  EXPECT_EQ(row.action, kRunCommand);
  EXPECT_EQ(row.parameter, "");
  EXPECT_EQ(row.hotkey, "");
  EXPECT_EQ(row.active, kYes);
  EXPECT_EQ(row.link, nullptr);
  EXPECT_EQ(rows.Selected(), 0);
  EXPECT_EQ(rows.Group(), GroupCaption::kAdd);
  EXPECT_TRUE(rows.ApplyEnabled());
  EXPECT_EQ(shown.action, 0);
  EXPECT_TRUE(shown.parameter_visible);
  EXPECT_FALSE(shown.linked);
  EXPECT_TRUE(shown.active);
}

TEST(HotkeyRows, FillsSortedRowsAndShowsTheFirst) {
  HotkeyRows rows(ByteCompare);
  auto total = Def("Total", 69, true, true, 0, "Speak=%3");
  auto amount = Def("Amount", 70, false, false, 2, "");
  auto broken = Def("Broken", 200, true, true, 7);
  const HotkeyFields shown = rows.Fill({total, amount, broken});
  EXPECT_EQ(Captions(rows), (std::vector<std::string>{"Amount", "Broken", "Total"}));
  EXPECT_EQ(rows.Rows()[0].action, kConsole);
  EXPECT_EQ(rows.Rows()[0].hotkey, "F2");
  EXPECT_EQ(rows.Rows()[0].active, kNo);
  EXPECT_EQ(rows.Rows()[0].link, amount);
  EXPECT_EQ(rows.Rows()[1].hotkey, "Ctrl+");  // no such key: no name
  EXPECT_EQ(rows.Rows()[1].action, L"");      // no such action
  EXPECT_EQ(rows.Rows()[2].hotkey, "Ctrl+F1");
  EXPECT_EQ(rows.Rows()[2].parameter, "Speak=%3");
  EXPECT_EQ(rows.Selected(), 0);
  EXPECT_EQ(rows.Group(), GroupCaption::kEdit);
  EXPECT_FALSE(rows.ApplyEnabled());
  EXPECT_EQ(shown.description, "Amount");
  EXPECT_EQ(shown.action, 2);
  EXPECT_FALSE(shown.parameter_visible);
  EXPECT_TRUE(shown.linked);
  EXPECT_FALSE(shown.active);
  EXPECT_EQ(shown.key, 70);
}

TEST(HotkeyRows, ShowsTheLinkedRecordsStateNotTheRowsText) {
  HotkeyRows rows(ByteCompare);
  FakeChecks checks;
  rows.Fill({Def("A", 69, true)});
  ASSERT_TRUE(rows.UpdateHotkey(false, true, false, false, "F9", checks));
  rows.SetActive(false);
  EXPECT_EQ(rows.Rows()[0].hotkey, "Alt+F9");
  const HotkeyFields shown = *rows.Click();
  EXPECT_TRUE(shown.ctrl);
  EXPECT_FALSE(shown.alt);
  EXPECT_EQ(shown.key, 69);
  EXPECT_TRUE(shown.active);
}

TEST(HotkeyRows, ANewRowStaysLastUntilItsDescriptionIsTyped) {
  HotkeyRows rows(ByteCompare);
  rows.Fill({Def("M", 1, false), Def("X", 2, false)});
  rows.New();
  EXPECT_EQ(Captions(rows), (std::vector<std::string>{"M", "X", ""}));
  EXPECT_EQ(rows.Selected(), 2);
  EXPECT_EQ(rows.Group(), GroupCaption::kAdd);
  EXPECT_TRUE(rows.ApplyEnabled());
  rows.SetDescription("B");
  EXPECT_EQ(Captions(rows), (std::vector<std::string>{"B", "M", "X"}));
  // The selection moved with the row.
  EXPECT_EQ(rows.Selected(), 0);
  rows.SetDescription("Z");
  EXPECT_EQ(Captions(rows), (std::vector<std::string>{"M", "X", "Z"}));
  EXPECT_EQ(rows.Selected(), 2);
  EXPECT_EQ(rows.Rows()[2].link, nullptr);
}

TEST(HotkeyRows, DeletingTheLastRowLeavesABlankOne) {
  HotkeyRows rows(ByteCompare);
  rows.Fill({Def("A", 1, false), Def("B", 2, false)});
  rows.Select(1);
  EXPECT_EQ(rows.Delete().description, "A");
  EXPECT_EQ(rows.Selected(), 0);
  EXPECT_EQ(rows.Group(), GroupCaption::kEdit);
  EXPECT_TRUE(rows.ApplyEnabled());
  // Without a selection nothing is removed, and the first row is shown all the same.
  rows.New();
  rows.Apply();
  rows.Select(-1);
  EXPECT_EQ(rows.Delete().description, "A");
  EXPECT_EQ(rows.Rows().size(), 2u);
  EXPECT_EQ(rows.Selected(), 0);
  EXPECT_EQ(rows.Group(), GroupCaption::kEdit);
  EXPECT_TRUE(rows.ApplyEnabled());
  rows.Select(1);
  rows.Delete();

  rows.Delete();
  ASSERT_EQ(rows.Rows().size(), 1u);
  EXPECT_EQ(rows.Rows()[0].caption, "");
  EXPECT_EQ(rows.Rows()[0].link, nullptr);
  EXPECT_EQ(rows.Group(), GroupCaption::kAdd);
  const HotkeyList applied = rows.Apply();
  EXPECT_EQ(applied.size(), 1u);
}

TEST(HotkeyRows, WithoutASelectionNoEditChangesARow) {
  HotkeyRows rows(ByteCompare);
  FakeChecks checks;
  rows.Fill({Def("A", 1, false)});
  rows.Apply();
  rows.Select(-1);
  const std::vector<HotkeyRow> before = rows.Rows();
  rows.SetDescription("X");
  rows.SetParameter("Speak=1");
  rows.SetActive(false);
  EXPECT_FALSE(rows.PickAction(1, "").has_value());
  EXPECT_FALSE(rows.UpdateHotkey(true, false, false, false, "F1", checks));
  EXPECT_FALSE(rows.Click().has_value());
  EXPECT_EQ(rows.Rows().size(), 1u);
  EXPECT_EQ(rows.Rows()[0].caption, before[0].caption);
  EXPECT_EQ(rows.Rows()[0].active, before[0].active);
  EXPECT_EQ(rows.Rows()[0].hotkey, before[0].hotkey);
  EXPECT_FALSE(rows.ApplyEnabled());
  EXPECT_TRUE(checks.registrations.empty());
}

TEST(HotkeyRows, AnotherActionEmptiesTheParameterAndTheFieldKeepsIt) {
  HotkeyRows rows(ByteCompare);
  rows.Fill({Def("A", 1, false, true, 0, "Speak=1")});
  EXPECT_FALSE(rows.PickAction(0, "Speak=1").has_value());  // same action: nothing
  EXPECT_FALSE(rows.ApplyEnabled());
  EXPECT_EQ(rows.PickAction(2, "Speak=1"), std::optional<bool>(false));
  EXPECT_EQ(rows.Rows()[0].parameter, "");
  EXPECT_EQ(rows.Rows()[0].action, kConsole);
  EXPECT_TRUE(rows.ApplyEnabled());
  EXPECT_EQ(rows.PickAction(0, "Speak=1"), std::optional<bool>(true));
  EXPECT_EQ(rows.Rows()[0].parameter, "Speak=1");
}

TEST(HotkeyRows, ConflictWalkSkipsInactiveRowsAndNamesTheRowThatWillStopWorking) {
  HotkeyRows rows(ByteCompare);
  FakeChecks checks;
  rows.Fill(
      {Def("A", 69, true, false), Def("B", 69, true), Def("C", 70, true), Def("D", 1, false)});
  // Editing D into Ctrl+F1: A holds it but is "否", B is the conflict and stands earlier,
  // so B keeps the combination and D is the one named.
  rows.Select(3);
  EXPECT_FALSE(rows.UpdateHotkey(true, false, false, false, "F1", checks));
  ASSERT_EQ(checks.conflicts.size(), 1u);
  EXPECT_EQ(checks.conflicts[0].first, "B");
  EXPECT_EQ(checks.conflicts[0].second,
            "\xC8\xE7\xB9\xFB\xBC\xCC\xD0\xF8,\xCF\xC8\xC7\xB0\xB6\xA8\xD2\xE5\xB5\xC4\xC8\xC8"
            "\xBC\xFC 'D' \xBD\xAB\xCA\xA7\xD0\xA7.");
  EXPECT_TRUE(checks.registrations.empty());  // no registration test after a conflict
  EXPECT_EQ(rows.Rows()[3].hotkey, "Tab");    // refused: the row keeps its text
  EXPECT_FALSE(rows.ApplyEnabled());

  // Editing A (before C) into C's combination names C, which A then takes from it.
  rows.Select(0);
  checks.continue_conflict = true;
  EXPECT_TRUE(rows.UpdateHotkey(true, false, false, false, "F2", checks));
  ASSERT_EQ(checks.conflicts.size(), 2u);
  EXPECT_EQ(checks.conflicts[1].first, "C");
  EXPECT_NE(checks.conflicts[1].second.find("'C'"), std::string::npos);
  EXPECT_EQ(rows.Rows()[0].hotkey, "Ctrl+F2");
  EXPECT_TRUE(rows.ApplyEnabled());

  // The selected row never conflicts with itself, and A holds Ctrl+F2 but is "否".
  rows.Select(2);
  EXPECT_FALSE(rows.FindConflict("Ctrl+F2").has_value());
  rows.Select(0);
  rows.SetActive(true);
  rows.Select(2);
  ASSERT_TRUE(rows.FindConflict("Ctrl+F2").has_value());
  EXPECT_EQ(rows.FindConflict("Ctrl+F2")->row, 0);
}

TEST(HotkeyRows, RegistrationTestGetsTheTextsKeyAndModifiers) {
  HotkeyRows rows(ByteCompare);
  FakeChecks checks;
  rows.Fill({Def("A", 1, false)});
  EXPECT_TRUE(rows.UpdateHotkey(true, false, true, false, "F5", checks));
  ASSERT_EQ(checks.registrations.size(), 1u);
  EXPECT_EQ(VirtualKeyOf(checks.registrations[0].first), 0x74u);
  EXPECT_EQ(checks.registrations[0].second, hmCtrl | hmShift);
  EXPECT_EQ(rows.Rows()[0].hotkey, "Ctrl+Shift+F5");

  checks.registration_accepted = false;
  EXPECT_FALSE(rows.UpdateHotkey(true, false, false, false, "", checks));
  EXPECT_EQ(checks.registrations.back(), (std::pair<std::uint8_t, THotKeyModifiers>(0, hmCtrl)));
  EXPECT_EQ(rows.Rows()[0].hotkey, "Ctrl+Shift+F5");
}

TEST(HotkeyRows, ApplyBuildsRecordsInTheOrderShownAndLinksTheRows) {
  HotkeyRows rows(ByteCompare);
  FakeChecks checks;
  auto old_z = Def("Z", 69, true, true, 0, "Speak=1");
  rows.Fill({old_z});
  rows.New();
  rows.SetDescription("M");
  ASSERT_TRUE(rows.UpdateHotkey(true, false, false, false, "", checks));  // Ctrl alone
  rows.SetActive(false);
  rows.SetParameter("Display=~1");
  rows.New();
  rows.SetDescription("A");
  rows.PickAction(3, "ignored");
  ASSERT_TRUE(rows.UpdateHotkey(false, true, true, true, "Num +", checks));

  const HotkeyList list = rows.Apply();
  ASSERT_EQ(list.size(), 3u);
  EXPECT_FALSE(rows.ApplyEnabled());
  auto a = Def("A", 65, false, true, 3);
  a->Alt = a->Shift = a->Win = true;
  EXPECT_EQ(*list[0], *a);
  EXPECT_EQ(*list[1], *Def("M", -1, true, false, 0, "Display=~1"));
  EXPECT_EQ(*list[2], *old_z);
  EXPECT_NE(list[2], old_z);  // a new record, equal in value
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(rows.Rows()[i].link, list[i]);
  }
  // Linked now: showing M gives the stored state.
  rows.Select(1);
  const HotkeyFields shown = *rows.Click();
  EXPECT_TRUE(shown.linked);
  EXPECT_TRUE(shown.ctrl);
  EXPECT_EQ(shown.key, -1);
  EXPECT_FALSE(shown.active);
}

TEST(HotkeyRows, ARowWithoutActionNameStoresMinusOneAndEmptySlotsGiveNoRow) {
  HotkeyRows rows(ByteCompare);
  rows.Fill({Def("A", 3, false, true, 9), nullptr});
  ASSERT_EQ(rows.Rows().size(), 1u);
  EXPECT_EQ(rows.Apply()[0]->Action, -1);
}

}  // namespace
}  // namespace lumo
