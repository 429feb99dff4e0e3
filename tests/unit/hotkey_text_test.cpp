#include "editors/hotkey_text.h"

#include <gtest/gtest.h>

namespace lumo {
namespace {

TEST(HotkeyText, ModifiersInFixedOrderThenTheKeyAndWithoutAKeyAnEmptyName) {
  EXPECT_EQ(HotkeyText(true, true, true, true, "A"), "Ctrl+Alt+Shift+Win+A");
  EXPECT_EQ(HotkeyText(true, false, true, false, "F5"), "Ctrl+Shift+F5");
  EXPECT_EQ(HotkeyText(false, false, false, false, "F12"), "F12");
  EXPECT_EQ(HotkeyText(true, false, false, true, ""), "Ctrl+Win+");
  EXPECT_EQ(HotkeyText(false, false, false, false, ""), "");
  // A stored key outside the table has no name, and reads back as no key.
  HotkeyRec rec;
  rec.Ctrl = true;
  for (int bad : {-1, 95, 1000}) {
    rec.Key = bad;
    EXPECT_EQ(HotkeyTextOf(rec), "Ctrl+") << bad;
  }
  EXPECT_EQ(KeyNameIndex(HotkeyKeyName("Ctrl+")), -1);
  EXPECT_EQ(HotkeyTextToKey("Ctrl+"), 0);
}

TEST(HotkeyText, ReadsBackIntoModifiersAndKey) {
  EXPECT_EQ(HotkeyKeyName("Ctrl+Alt+Shift+Win+Num +"), "Num +");
  EXPECT_EQ(HotkeyKeyName("Shift+Ctrl+A"), "Ctrl+A");  // prefixes come off in order only
  EXPECT_EQ(HotkeyTextToModifiers("Ctrl+Alt+Shift+Win+A"), hmCtrl | hmAlt | hmShift | hmWin);
  EXPECT_EQ(HotkeyTextToModifiers("Alt+F4"), hmAlt);
  EXPECT_EQ(VirtualKeyOf(HotkeyTextToKey("Ctrl+Shift+F5")), 0x74u);
  // Names match whole, ignoring the case of ASCII letters.
  const std::pair<const char*, int> cases[] = {
      {"Backspace", 0}, {"scrolllock", 94}, {"f5", 73},  {"NUM +", 65}, {"a", 28},
      {"z", 53},        {"F", 33},          {"F2 ", -1}, {"Num", -1},   {"", -1}};
  for (const auto& [name, index] : cases) {
    EXPECT_EQ(KeyNameIndex(name), index) << '"' << name << '"';
  }
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
