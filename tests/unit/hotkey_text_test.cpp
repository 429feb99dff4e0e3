#include "editors/hotkey_text.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(HotkeyText, ModifiersInFixedOrderThenTheKey) {
  EXPECT_EQ(HotkeyText(true, false, true, false, "F5"), "Ctrl+Shift+F5");
  EXPECT_EQ(HotkeyText(true, true, true, true, "A"), "Ctrl+Alt+Shift+Win+A");
  EXPECT_EQ(HotkeyText(false, true, false, false, "Num 0"), "Alt+Num 0");
  EXPECT_EQ(HotkeyText(false, false, false, false, "F12"), "F12");
  EXPECT_EQ(HotkeyText(true, false, false, false, "Num +"), "Ctrl+Num +");
  // Without a key the name part is empty.
  EXPECT_EQ(HotkeyText(true, false, false, false, ""), "Ctrl+");
  EXPECT_EQ(HotkeyText(true, false, false, true, ""), "Ctrl+Win+");
  EXPECT_EQ(HotkeyText(false, false, false, false, ""), "");
  EXPECT_EQ(AppendHotkeyPart("", "Ctrl"), "Ctrl");
  EXPECT_EQ(AppendHotkeyPart("Ctrl", "F1"), "Ctrl+F1");
}

TEST(HotkeyText, OfAStoredDefinitionAndAKeyOutsideTheTable) {
  HotkeyRec rec;
  rec.Ctrl = true;
  rec.Key = 69;
  EXPECT_EQ(HotkeyTextOf(rec), "Ctrl+F1");
  rec.Key = 94;
  EXPECT_EQ(HotkeyTextOf(rec), "Ctrl+Scrolllock");
  for (int bad : {-1, 95, 1000, -7}) {
    rec.Key = bad;
    EXPECT_EQ(HotkeyTextOf(rec), "Ctrl+") << bad;
    EXPECT_EQ(KeyNameIndex(HotkeyKeyName(HotkeyTextOf(rec))), -1) << bad;
  }
  rec.Ctrl = false;
  EXPECT_EQ(HotkeyTextOf(rec), "");
  rec.Key = 0;
  EXPECT_EQ(HotkeyTextOf(rec), "Backspace");
}

TEST(HotkeyText, ReadsBackIntoModifiersAndKey) {
  EXPECT_EQ(HotkeyKeyName("Ctrl+Shift+F5"), "F5");
  EXPECT_EQ(HotkeyKeyName("Ctrl+Alt+Shift+Win+Num +"), "Num +");
  EXPECT_EQ(HotkeyKeyName("Num +"), "Num +");
  EXPECT_EQ(HotkeyKeyName("Ctrl+"), "");
  EXPECT_EQ(HotkeyKeyName(""), "");
  // The prefixes come off in their fixed order only.
  EXPECT_EQ(HotkeyKeyName("Shift+Ctrl+A"), "Ctrl+A");

  EXPECT_EQ(KeyNameIndex("Num +"), 65);
  EXPECT_EQ(HotkeyTextToKey("Num +"), KeyIndexToHotKeyKey(65));
  EXPECT_EQ(HotkeyTextToModifiers("Num +"), 0);
  EXPECT_EQ(HotkeyTextToModifiers("Ctrl+Num +"), hmCtrl);
  EXPECT_EQ(VirtualKeyOf(HotkeyTextToKey("Ctrl+Num +")), 0x6Bu);

  EXPECT_EQ(HotkeyTextToModifiers("Ctrl+Alt+Shift+Win+A"), hmCtrl | hmAlt | hmShift | hmWin);
  EXPECT_EQ(HotkeyTextToModifiers("Alt+F4"), hmAlt);
  EXPECT_EQ(VirtualKeyOf(HotkeyTextToKey("Ctrl+Shift+F5")), 0x74u);
  // Ctrl alone is tested with virtual-key code 0.
  EXPECT_EQ(HotkeyTextToKey("Ctrl+"), 0);
}

TEST(HotkeyText, KeyNamesMatchWholeIgnoringCase) {
  const std::pair<const char*, int> cases[] = {
      {"Backspace", 0}, {"scrolllock", 94}, {"f5", 73},  {"NUM +", 65},
      {"F", 33},        {"F2 ", -1},        {"Num", -1}, {"", -1}};
  for (const auto& [name, index] : cases) {
    EXPECT_EQ(KeyNameIndex(name), index) << '"' << name << '"';
  }
}

TEST(HotkeyText, EveryKeyNameSurvivesTheRoundTrip) {
  for (int key = 0; key < kKeyNameCount; ++key) {
    HotkeyRec rec;
    rec.Key = key;
    rec.Alt = true;
    rec.Win = key % 2 == 0;
    const std::string text = HotkeyTextOf(rec);
    EXPECT_EQ(KeyNameIndex(HotkeyKeyName(text)), key) << text;
    EXPECT_EQ(HotkeyTextToModifiers(text), HotkeyModifiers(rec)) << text;
  }
}

}  // namespace
}  // namespace lumo
