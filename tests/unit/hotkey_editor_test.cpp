// Hotkeys as the editor shows them: key names and texts, and the rows of the editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

#include "editors/hotkey_rows.h"
#include "editors/hotkey_text.h"
#include "hotkeys/hotkey_codes.h"
#include "hotkeys/hotkey_definitions.h"

namespace lumo {
namespace {

using Calls = std::vector<std::string>;

TEST(HotkeyTables, EveryKeyNameReachesAVirtualKeyOfItsOwn) {
  std::map<std::string_view, std::uint32_t> by_name;
  std::set<std::uint32_t> codes = {0};  // and none is no key
  for (int i = 0; i < kKeyNameCount; ++i) {
    by_name[KeyNames[i]] = VirtualKeyOf(VirtualKeyOfIndex(i));
    EXPECT_TRUE(codes.insert(by_name[KeyNames[i]]).second) << KeyNames[i];
  }
  const std::pair<const char*, std::uint32_t> expected[] = {
      {"Backspace", 0x08},  {"Tab", 0x09},         {"Return", 0x0D},  {"Pause", 0x13},
      {"Capslock", 0x14},   {"Escape", 0x1B},      {"Space", 0x20},   {"PgUp", 0x21},
      {"PgDn", 0x22},       {"Home", 0x24},        {"End", 0x23},     {"Left Arrow", 0x25},
      {"Down Arrow", 0x28}, {"PrintScreen", 0x2C}, {"Insert", 0x2D},  {"Delete", 0x2E},
      {"0", 0x30},          {"9", 0x39},           {"A", 0x41},       {"Z", 0x5A},
      {"Num 0", 0x60},      {"Num 9", 0x69},       {"Num *", 0x6A},   {"Num +", 0x6B},
      {"Num -", 0x6D},      {"Num .", 0x6E},       {"Num /", 0x6F},   {"F1", 0x70},
      {"F12", 0x7B},        {"F24", 0x87},         {"Numlock", 0x90}, {"Scrolllock", 0x91}};
  for (const auto& [name, code] : expected) {
    EXPECT_EQ(by_name.at(name), code) << name;
  }
  // Indices without a name give no key; the component has keys the names do not offer.
  EXPECT_EQ(VirtualKeyOfIndex(-1) | VirtualKeyOfIndex(95) | VirtualKeyOfIndex(INT32_MIN), 0);
  EXPECT_EQ(VirtualKeyOf(0) | VirtualKeyOf(102), 0u);
  EXPECT_EQ(VirtualKeyOf(1), 0x03u);
  EXPECT_EQ(VirtualKeyOf(19), 0x2Bu);
  EXPECT_EQ(VirtualKeyOf(72), 0x6Cu);
}

TEST(HotkeyTables, ModifiersBecomeWindowsFlagsAndTheFileLiesBesideTheProgram) {
  EXPECT_EQ(HotkeyModifiers(HotkeyDefinition{}), 0);
  EXPECT_EQ(HotkeyModifiers({-1, true, false, true, true, "", 0, "", false}),
            kModifierCtrl | kModifierShift | kModifierWin);
  EXPECT_EQ(HotkeyModifiers({-1, true, true, false, true, "", 0, "", false}),
            kModifierCtrl | kModifierAlt | kModifierWin);
  EXPECT_EQ(ModifierFlags(kModifierAlt), 1u);
  EXPECT_EQ(ModifierFlags(kModifierCtrl), 2u);
  EXPECT_EQ(ModifierFlags(kModifierShift), 4u);
  EXPECT_EQ(ModifierFlags(kModifierWin), 8u);
  EXPECT_EQ(HotkeyFilePath("C:\\Pos\\Lumo.exe"), "C:\\Pos\\Lumo.hkd");
  EXPECT_EQ(HotkeyFilePath("C:\\Pos.v2\\Lumo"), "C:\\Pos.v2\\Lumo.hkd");
  EXPECT_EQ(HotkeyFilePath("C:\\Pos\\Lumo.tar.exe"), "C:\\Pos\\Lumo.tar.hkd");
  // "\xB1." is one double-byte character whose trail byte is a dot.
  EXPECT_EQ(HotkeyFilePath("C:\\\xB1.\\Lumo"), "C:\\\xB1.\\Lumo.hkd");
  EXPECT_EQ(HotkeyFilePath("C:\\P\\\xB1.exe"), "C:\\P\\\xB1.exe.hkd");
}

TEST(HotkeyText, ModifiersInFixedOrderThenTheKeyAndReadBack) {
  EXPECT_EQ(HotkeyText(true, true, true, true, "A"), "Ctrl+Alt+Shift+Win+A");
  // A stored key outside the table has no name, and reads back as no key.
  for (int bad : {-1, 95, 1000}) {
    EXPECT_EQ(HotkeyTextOf({bad, true, false, false, false, "", 0, "", false}), "Ctrl+") << bad;
  }
  EXPECT_EQ(KeyNameIndex(HotkeyKeyName("Ctrl+")), -1);
  EXPECT_EQ(HotkeyTextToKey("Ctrl+"), 0);
  EXPECT_EQ(HotkeyKeyName("Ctrl+Alt+Shift+Win+Num +"), "Num +");
  EXPECT_EQ(HotkeyKeyName("Shift+Ctrl+A"), "Ctrl+A");  // prefixes come off in order only
  EXPECT_EQ(HotkeyTextToModifiers("Ctrl+Alt+Shift+Win+A"),
            kModifierCtrl | kModifierAlt | kModifierShift | kModifierWin);
  EXPECT_EQ(HotkeyTextToModifiers("Alt+F4"), kModifierAlt);
  EXPECT_EQ(VirtualKeyOf(HotkeyTextToKey("Ctrl+Shift+F5")), 0x74u);
  // Names match whole, ignoring the case of ASCII letters.
  const std::pair<const char*, int> cases[] = {
      {"Backspace", 0}, {"scrolllock", 94}, {"f5", 73},  {"NUM +", 65}, {"a", 28},
      {"z", 53},        {"F", 33},          {"F2 ", -1}, {"Num", -1},   {"", -1}};
  for (const auto& [name, index] : cases) {
    EXPECT_EQ(KeyNameIndex(name), index) << '"' << name << '"';
  }
  for (int key = 0; key < kKeyNameCount; ++key) {
    const HotkeyDefinition rec{key, false, true, false, key % 2 == 0, "", 0, "", false};
    const std::string text = HotkeyTextOf(rec);
    EXPECT_EQ(KeyNameIndex(HotkeyKeyName(text)), key) << text;
    EXPECT_EQ(HotkeyTextToModifiers(text), HotkeyModifiers(rec)) << text;
  }
}

int ByteCompare(const std::string& a, const std::string& b) {
  return std::strcmp(a.c_str(), b.c_str());
}

std::shared_ptr<HotkeyDefinition> Def(const std::string& description, std::int32_t key, bool ctrl,
                                      bool active = true, std::int32_t action = 0,
                                      const std::string& parameter = "") {
  return std::make_shared<HotkeyDefinition>(
      HotkeyDefinition{key, ctrl, false, false, false, description, action, parameter, active});
}

// "如果继续,先前定义的热键 'name' 将失效." in code page 936.
std::string ConflictMessage(const std::string& name) {
  return "\xC8\xE7\xB9\xFB\xBC\xCC\xD0\xF8,"
         "\xCF\xC8\xC7\xB0\xB6\xA8\xD2\xE5\xB5\xC4\xC8\xC8\xBC\xFC '" +
         name + "' \xBD\xAB\xCA\xA7\xD0\xA7.";
}

// Answers the two checks as told and records what it was asked.
struct FakeChecks : HotkeyChecks {
  bool continue_conflict = false;
  bool registration_accepted = true;
  Calls calls;

  bool ConfirmConflict(const std::string& entry, const std::string& message) override {
    calls.push_back(entry + ": " + message);
    return continue_conflict;
  }
  bool TryRegistration(std::uint8_t key, ModifierSet modifiers) override {
    calls.push_back("register " + std::to_string(VirtualKeyOf(key)) + " " +
                    std::to_string(modifiers));
    return registration_accepted;
  }
};

// "edit" or "add", " apply" while Apply is enabled, then each row as [caption|action|
// parameter|hotkey|active], action and active as indices of their names (4: no action),
// ">" marking the selected row and "|linked" a row with a record.
std::string State(const HotkeyRows& rows) {
  std::string text = rows.Group() == GroupCaption::kAdd ? "add" : "edit";
  text += rows.ApplyEnabled() ? " apply" : "";
  for (int i = 0; i < static_cast<int>(rows.Rows().size()); ++i) {
    const HotkeyRow& row = rows.Rows()[static_cast<std::size_t>(i)];
    text += std::string(" [") + (i == rows.Selected() ? ">" : "") + row.caption + "|" +
            std::to_string(std::find(ActionNames.begin(), ActionNames.end(), row.action) -
                           ActionNames.begin()) +
            "|" + row.parameter + "|" + row.hotkey + "|" +
            (row.active == YesNoNames[1] ? "1" : "0") + (row.link ? "|linked]" : "]");
  }
  return text;
}

// description|action|parameter|shown or hidden|linked|modifier boxes as CASW|active|key
std::string Text(const HotkeyFields& f) {
  return f.description + "|" + std::to_string(f.action) + "|" + f.parameter + "|" +
         (f.parameter_visible ? "shown|" : "hidden|") + (f.linked ? "linked|" : "|") +
         (f.ctrl ? "C" : ".") + (f.alt ? "A" : ".") + (f.shift ? "S" : ".") + (f.win ? "W" : ".") +
         (f.active ? "|active|" : "|inactive|") + std::to_string(f.key);
}

class HotkeyRowsTest : public ::testing::Test {
 protected:
  HotkeyRows rows{ByteCompare};
  FakeChecks checks;
};

const std::string kBlankFields = "|0||shown||....|active|-1";

TEST_F(HotkeyRowsTest, FillShowsTheRowsSortedAndTheFirstOrOneBlankRow) {
  EXPECT_EQ(Text(rows.Fill({})), kBlankFields);
  EXPECT_EQ(State(rows), "add apply [>|0|||1]");
  // No such key gives no key name, no such action no action name; an empty slot no row.
  auto amount = Def("Amount", 70, false, false, 2, "");
  amount->Win = true;
  EXPECT_EQ(Text(rows.Fill({Def("Total", 69, true, true, 0, "Speak=%3"), amount,
                            Def("Broken", 200, true, true, 7), nullptr})),
            "Amount|2||hidden|linked|...W|inactive|70");
  EXPECT_EQ(State(rows),
            "edit [>Amount|2||Win+F2|0|linked] [Broken|4||Ctrl+|1|linked] "
            "[Total|0|Speak=%3|Ctrl+F1|1|linked]");
  EXPECT_EQ(rows.Rows()[0].link, amount);
}

TEST_F(HotkeyRowsTest, ANewRowStaysLastUntilItsDescriptionIsTypedAndDeletingLeavesNoEmptyList) {
  rows.Fill({Def("M", 1, false), Def("X", 2, false)});
  EXPECT_EQ(Text(rows.New()), kBlankFields);
  EXPECT_EQ(State(rows), "add apply [M|0||Tab|1|linked] [X|0||Return|1|linked] [>|0|||1]");
  // The selection moves with the row.
  rows.SetDescription("B");
  EXPECT_EQ(State(rows), "add apply [>B|0|||1] [M|0||Tab|1|linked] [X|0||Return|1|linked]");
  rows.SetDescription("Z");
  EXPECT_EQ(State(rows), "add apply [M|0||Tab|1|linked] [X|0||Return|1|linked] [>Z|0|||1]");

  rows.Select(2);
  EXPECT_EQ(Text(rows.Delete()), "M|0||shown|linked|....|active|1");
  EXPECT_EQ(State(rows), "edit apply [>M|0||Tab|1|linked] [X|0||Return|1|linked]");
  rows.Delete();
  rows.Delete();
  EXPECT_EQ(State(rows), "add apply [>|0|||1]");
}

TEST_F(HotkeyRowsTest, AnotherActionEmptiesTheParameterAndWithoutASelectionNothingChanges) {
  rows.Fill({Def("A", 1, false, true, 0, "Speak=1")});
  EXPECT_FALSE(rows.PickAction(0, "Speak=1").has_value());  // same action: nothing
  EXPECT_EQ(State(rows), "edit [>A|0|Speak=1|Tab|1|linked]");
  EXPECT_EQ(rows.PickAction(2, "Speak=1"), std::optional<bool>(false));
  EXPECT_EQ(State(rows), "edit apply [>A|2||Tab|1|linked]");
  // The hidden field kept its text.
  EXPECT_EQ(rows.PickAction(0, "Speak=1"), std::optional<bool>(true));

  rows.Apply();
  rows.Select(1);  // out of range: no selection
  rows.SetDescription("X");
  rows.SetParameter("Speak=2");
  rows.SetActive(false);
  EXPECT_FALSE(rows.PickAction(1, "").has_value());
  EXPECT_FALSE(rows.UpdateHotkey(true, false, false, false, "F1", checks));
  EXPECT_FALSE(rows.Click().has_value());
  EXPECT_EQ(State(rows), "edit [A|0|Speak=1|Tab|1|linked]");
  EXPECT_TRUE(checks.calls.empty());
  // Delete removes nothing then, yet shows the first row as after any removal.
  EXPECT_EQ(Text(rows.Delete()), "A|0|Speak=1|shown|linked|....|active|1");
  EXPECT_EQ(State(rows), "edit apply [>A|0|Speak=1|Tab|1|linked]");
}

TEST_F(HotkeyRowsTest, ACombinationIsCheckedForConflictsThenByARegistrationTest) {
  rows.Fill(
      {Def("A", 69, true, false), Def("B", 69, true), Def("C", 70, true), Def("D", 1, false)});
  // D into Ctrl+F1: A holds it but is "否"; B stands earlier and keeps it, so D is named.
  rows.Select(3);
  EXPECT_FALSE(rows.UpdateHotkey(true, false, false, false, "F1", checks));
  // A (before C) into C's combination names C, which A then takes from it.
  rows.Select(0);
  checks.continue_conflict = true;
  EXPECT_TRUE(rows.UpdateHotkey(true, false, false, false, "F2", checks));
  EXPECT_EQ(checks.calls, (Calls{"B: " + ConflictMessage("D"), "C: " + ConflictMessage("C")}));

  // The selected row never conflicts with itself, nor with a row that is "否".
  rows.Select(2);
  EXPECT_FALSE(rows.FindConflict("Ctrl+F2").has_value());
  rows.Select(0);
  rows.SetActive(true);
  rows.Select(2);
  EXPECT_EQ(rows.FindConflict("Ctrl+F2")->row, 0);

  // Without a conflict the system is asked; a refusal keeps the row's text.
  rows.Select(3);
  checks.calls.clear();
  EXPECT_TRUE(rows.UpdateHotkey(true, false, true, false, "F5", checks));
  checks.registration_accepted = false;
  EXPECT_FALSE(rows.UpdateHotkey(true, false, false, false, "", checks));
  EXPECT_EQ(checks.calls, (Calls{"register 116 3", "register 0 2"}));
  EXPECT_EQ(State(rows),
            "edit apply [A|0||Ctrl+F2|1|linked] [B|0||Ctrl+F1|1|linked] "
            "[C|0||Ctrl+F2|1|linked] [>D|0||Ctrl+Shift+F5|1|linked]");
}

TEST_F(HotkeyRowsTest, ApplyBuildsNewRecordsInTheOrderShownAndLinksTheRows) {
  auto old_z = Def("Z", 69, true, true, 0, "Speak=1");
  rows.Fill({old_z, Def("Q", 3, false, true, 9)});
  // The fields show the linked record's state, not the row's texts.
  rows.Select(1);
  ASSERT_TRUE(rows.UpdateHotkey(false, true, false, false, "F9", checks));
  rows.SetActive(false);
  EXPECT_EQ(Text(*rows.Click()), "Z|0|Speak=1|shown|linked|C...|active|69");
  rows.SetActive(true);
  ASSERT_TRUE(rows.UpdateHotkey(true, false, false, false, "F1", checks));
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
  EXPECT_EQ(State(rows),
            "add [>A|3||Alt+Shift+Win+Num +|1|linked] [M|0|Display=~1|Ctrl+|0|linked] "
            "[Q|4||Pause|1|linked] [Z|0|Speak=1|Ctrl+F1|1|linked]");
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(*list[0], (HotkeyDefinition{65, false, true, true, true, "A", 3, "", true}));
  EXPECT_EQ(*list[1], *Def("M", -1, true, false, 0, "Display=~1"));
  EXPECT_EQ(*list[2], *Def("Q", 3, false, true, -1));
  EXPECT_EQ(*list[3], *old_z);
  EXPECT_NE(list[3], old_z);  // a new record, equal in value
  for (std::size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(rows.Rows()[i].link, list[i]);
  }
  rows.Select(1);
  EXPECT_EQ(Text(*rows.Click()), "M|0|Display=~1|shown|linked|C...|inactive|-1");
}

}  // namespace
}  // namespace lumo
