#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editors/hotkey_text.h"
#include "hotkeys/hotkey_codes.h"
#include "hotkeys/rhkutils.h"

namespace lumo {
namespace {

std::uint32_t VirtualKeyOfName(std::string_view name) {
  for (int i = 0; i < kKeyNameCount; ++i) {
    if (KeyNames[i] == name) {
      return VirtualKeyOf(KeyIndexToHotKeyKey(i));
    }
  }
  ADD_FAILURE() << "no key named " << name;
  return 0;
}

TEST(HotkeyTables, EveryKeyNameReachesAVirtualKeyOfItsOwn) {
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
    EXPECT_EQ(VirtualKeyOfName(name), code) << name;
  }
  std::set<std::uint32_t> codes;
  for (int i = 0; i < kKeyNameCount; ++i) {
    codes.insert(VirtualKeyOf(KeyIndexToHotKeyKey(i)));
  }
  EXPECT_EQ(codes.size(), static_cast<std::size_t>(kKeyNameCount));
  EXPECT_EQ(codes.count(0), 0u);
  // Indices without a name give no key; the component has keys the names do not offer.
  for (std::int32_t index : {-1, 95, INT32_MIN}) {
    EXPECT_EQ(KeyIndexToHotKeyKey(index), 0) << index;
  }
  EXPECT_EQ(VirtualKeyOf(0), 0u);
  EXPECT_EQ(VirtualKeyOf(102), 0u);
  EXPECT_EQ(VirtualKeyOf(1), 0x03u);
  EXPECT_EQ(VirtualKeyOf(19), 0x2Bu);
  EXPECT_EQ(VirtualKeyOf(72), 0x6Cu);
}

TEST(HotkeyTables, ModifiersBecomeWindowsFlags) {
  HotkeyRec definition;
  EXPECT_EQ(HotkeyModifiers(definition), 0);
  definition.Ctrl = definition.Shift = definition.Win = true;
  EXPECT_EQ(HotkeyModifiers(definition), hmCtrl | hmShift | hmWin);
  definition.Alt = true;
  definition.Shift = false;
  EXPECT_EQ(HotkeyModifiers(definition), hmCtrl | hmAlt | hmWin);
  EXPECT_EQ(ModifierFlags(hmAlt), 1u);
  EXPECT_EQ(ModifierFlags(hmCtrl), 2u);
  EXPECT_EQ(ModifierFlags(hmShift), 4u);
  EXPECT_EQ(ModifierFlags(hmWin), 8u);
}

TEST(HotkeyTables, HotkeyFileLiesBesideTheProgram) {
  EXPECT_EQ(HotkeyFilePath("C:\\Pos\\Lumo.exe"), "C:\\Pos\\Lumo.hkd");
  EXPECT_EQ(HotkeyFilePath("C:\\Pos.v2\\Lumo"), "C:\\Pos.v2\\Lumo.hkd");
  EXPECT_EQ(HotkeyFilePath("C:\\Pos\\Lumo.tar.exe"), "C:\\Pos\\Lumo.tar.hkd");
  // "\xB1\x2E" is one double-byte character whose trail byte is a dot.
  EXPECT_EQ(HotkeyFilePath("C:\\\xB1\x2E\\Lumo"), "C:\\\xB1\x2E\\Lumo.hkd");
  EXPECT_EQ(HotkeyFilePath("C:\\P\\\xB1\x2E"
                           "exe"),
            "C:\\P\\\xB1\x2E"
            "exe.hkd");
}

TEST(HotkeyText, ModifiersInFixedOrderThenTheKeyAndWithoutAKeyAnEmptyName) {
  EXPECT_EQ(HotkeyText(true, true, true, true, "A"), "Ctrl+Alt+Shift+Win+A");
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
