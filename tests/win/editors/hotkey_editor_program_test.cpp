// The hotkey editor inside Lumo.exe: opened from the notification-area menu, a hotkey added
// through its windows (the command editor behind the reference field's button included) and
// applied, pressed, and found in the hotkey file after the exit.
#include <windows.h>

#include <gtest/gtest.h>

#include "editors/hotkey_text.h"
#include "editors/win/command_editor.h"
#include "editors/win/hotkey_editor.h"
#include "support/input.h"
#include "support/lumo_program.h"

namespace lumo::test {
namespace {

using namespace std::string_literals;

TEST(HotkeyEditorProgram, MenuOpensTheEditorAndAnAppliedHotkeyFiresAndIsSaved) {
  if (!CombinationIsFree(MOD_CONTROL | MOD_SHIFT, VK_F7)) {
    GTEST_SKIP() << "Ctrl+Shift+F7 is held by another program";
  }
  const std::string dir = PrepareLumoDir("hotkey-editor-program", "[WINDOW]\r\nCaption=x\r\n");
  LumoRun run = StartLumo(dir);
  ASSERT_NE(run.main, nullptr);
  HWND editor = OpenFromTrayMenu(run, 'h', "LumoHotkeyEditor");  // "编辑热键[&H]"
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(GetWindow(editor, GW_OWNER), run.main);

  Click(GetDlgItem(editor, HotkeyEditor::kDescriptionEdit));
  TypeText(L"合计");
  Click(GetDlgItem(editor, HotkeyEditor::kCtrlCheck));
  Click(GetDlgItem(editor, HotkeyEditor::kShiftCheck));
  // F7 chosen as a person would: the list opened, its first letter typed until it is there.
  HWND keys = GetDlgItem(editor, HotkeyEditor::kKeyCombo);
  Click(keys);
  for (int tries = 0; tries < 20 && SendMessageA(keys, CB_GETCURSEL, 0, 0) != KeyNameIndex("F7");
       ++tries) {
    PressCombination(0, 'F');
    Sleep(30);
  }
  PressCombination(0, VK_RETURN);
  // The command comes from the command editor behind the field's button, one line each.
  HWND field = GetDlgItem(editor, HotkeyEditor::kCommandLineField);
  HWND apply = GetDlgItem(editor, HotkeyEditor::kApplyButton);
  const auto browse = [&] {
    RECT r;
    GetClientRect(field, &r);
    Click(field, r.right - 8);
    HWND commands = WindowOf(run.process.Id(), "LumoCommandEditor");
    Sleep(100);
    return commands;
  };
  HWND commands = browse();
  ASSERT_NE(commands, nullptr);
  Click(GetDlgItem(commands, CommandEditor::kSpeakButton));
  TypeText(L"hello");
  Click(GetDlgItem(commands, CommandEditor::kDisplayButton));
  TypeText(L"~hi");
  Click(GetDlgItem(commands, CommandEditor::kOkButton));
  ASSERT_TRUE(WaitUntil([&] { return TextOf(field) == L"Speak=hello^Display=~hi"; }));
  EXPECT_EQ(SendMessageW(field, EM_GETSEL, 0, 0), MAKELRESULT(0, 23));  // selected as a whole
  Click(apply);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(apply); }));

  // The applied hotkey reaches the announcer while the editor is still open.
  PressCombination(MOD_CONTROL | MOD_SHIFT, VK_F7);
  EXPECT_EQ(Summaries(run.record.WaitForCalls(3)),
            (std::vector<std::string>{"SoundOut hello", "Cls 0", "PrintText 1 1 hi"}));
  // Opened again, the command editor shows the field's lines; Cancel changes nothing.
  commands = browse();
  ASSERT_NE(commands, nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(commands, CommandEditor::kCommandsMemo)),
            L"Speak=hello\r\nDisplay=~hi\r\n");
  Click(GetDlgItem(commands, CommandEditor::kCancelButton));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(commands) || !IsWindowVisible(commands); }));
  EXPECT_EQ(TextOf(field), L"Speak=hello^Display=~hi");
  EXPECT_FALSE(IsWindowEnabled(apply));
  Click(GetDlgItem(editor, HotkeyEditor::kCloseButton));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor) || !IsWindowVisible(editor); }));
  ASSERT_TRUE(ExitThroughMenu(run));
  ASSERT_TRUE(run.process.WaitForExit());

  // The one definition in the file's tags: 合计 (typed into the code page, stored as UTF-8),
  // running the command, Ctrl and Shift of the four modifiers, F7, active.
  EXPECT_EQ(ReadFile(dir + "Lumo.hkd"),
            "\x06\x1FHotkey definitions, version 1.0\x01\x14\x06\0\0\0\xE5\x90\x88\xE8\xAE\xA1"
            "\x02\0\x06\x17Speak=hello^Display=~hi\x09\x08\x09\x08\x02\x4B\x09\0"s);
}

}  // namespace
}  // namespace lumo::test
