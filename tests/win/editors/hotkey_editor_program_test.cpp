// The hotkey editor inside Lumo.exe: opened from the notification-area menu, a hotkey added
// and applied, pressed, and found in the hotkey file after the exit.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/monitor_ids.h"
#include "editors/hotkey_text.h"
#include "editors/win/EdCmd.h"
#include "editors/win/hotkey.h"
#include "hotkeys/hotkey_store.h"
#include "platform/win_code_page.h"
#include "platform/win_files.h"
#include "support/announcer_record.h"
#include "support/input.h"
#include "support/lumo_program.h"
#include "support/message_box.h"
#include "support/process.h"
#include "support/screenshot.h"

namespace lumo::test {
namespace {

// A visible window of the process with the class, given a moment to finish showing.
HWND WaitForShown(DWORD process_id, const std::string& class_name,
                  std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
  HWND found = WaitForProcessWindow(process_id, class_name, "", nullptr, timeout);
  Sleep(100);
  return found;
}

TEST(HotkeyEditorProgram, MenuOpensTheEditorAndAnAppliedHotkeyFiresAndIsSaved) {
  if (!CombinationIsFree(MOD_CONTROL | MOD_SHIFT, VK_F7)) {
    GTEST_SKIP() << "Ctrl+Shift+F7 is held by another program";
  }
  const std::string dir = PrepareLumoDir("hotkey-editor-program", "[WINDOW]\r\nCaption=x\r\n");
  LumoRun run = StartLumo(dir);
  ASSERT_NE(run.main, nullptr);
  // Shown at start, then into the notification area.
  ASSERT_TRUE(WaitShown(run.main));
  ASSERT_TRUE(WaitHidden(run.main));

  // "编辑热键[&H]" from the icon's menu, by its access key.
  // Right after start-up Wine's notification-area window can take the foreground, which
  // closes a menu at once: a person clicks the icon a moment later, and again if need be.
  Sleep(1000);
  HWND menu = nullptr;
  for (int attempt = 0; attempt < 3 && menu == nullptr; ++attempt) {
    PostMessageW(run.main, kWmTrayNotify, 0, WM_RBUTTONDOWN);
    menu = WaitForShown(run.process.Id(), "#32768", std::chrono::milliseconds(1500));
  }
  ASSERT_NE(menu, nullptr);
  PostMessageW(menu, WM_CHAR, 'h', 0);
  HWND editor = WaitForShown(run.process.Id(), "TEdKeyForm");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(GetWindow(editor, GW_OWNER), run.main);

  Click(GetDlgItem(editor, TEdKeyForm::kedtDescription));
  TypeText(L"Total");
  Click(GetDlgItem(editor, TEdKeyForm::kchkCtrl));
  Click(GetDlgItem(editor, TEdKeyForm::kchkShift));
  ChooseComboItem(GetDlgItem(editor, TEdKeyForm::kcboHotkey), 'F', KeyNameIndex("F7"));
  HWND field = GetDlgItem(editor, TEdKeyForm::kedtCommandLine);
  RECT r;
  GetClientRect(field, &r);
  ClickClient(field, r.right - 8, r.bottom / 2);
  HWND commands = WaitForShown(run.process.Id(), "TEdCmdForm");
  ASSERT_NE(commands, nullptr);
  Click(GetDlgItem(commands, TEdCmdForm::kButton1));
  TypeText(L"hello");
  Click(GetDlgItem(commands, TEdCmdForm::kBitBtn1));
  ASSERT_TRUE(WaitUntil([&] { return AnsiTextOf(field) == "Speak=hello"; }));
  SaveScreenshot(editor, "hotkey-editor-in-program");
  Click(GetDlgItem(editor, TEdKeyForm::kbtnApply));
  ASSERT_TRUE(
      WaitUntil([&] { return !IsWindowEnabled(GetDlgItem(editor, TEdKeyForm::kbtnApply)); }));

  // The applied hotkey reaches the announcer while the editor is still open.
  PressCombination(MOD_CONTROL | MOD_SHIFT, VK_F7);
  const std::vector<AnnouncerCall> calls = run.record.WaitForCalls(1);
  EXPECT_EQ(Summaries(calls), std::vector<std::string>{"SoundOut hello"});

  Click(GetDlgItem(editor, TEdKeyForm::kbtnClose));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor) || !IsWindowVisible(editor); }));

  // Exit: the hotkey file is written with the new definition.
  ASSERT_TRUE(ExitThroughMenu(run));
  ASSERT_TRUE(run.process.WaitForExit(std::chrono::seconds(5)));

  WinFileSystem files;
  WinCodePage code_page;
  HotkeyStore store(files, code_page, dir + "Lumo.hkd");
  HotkeyList saved;
  store.Load(saved);
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0]->Description, "Total");
  EXPECT_TRUE(saved[0]->Ctrl && saved[0]->Shift);
  EXPECT_FALSE(saved[0]->Alt || saved[0]->Win);
  EXPECT_EQ(saved[0]->Key, 75);  // F7
  EXPECT_EQ(saved[0]->Action, 0);
  EXPECT_EQ(saved[0]->Parameter, "Speak=hello");
  EXPECT_TRUE(saved[0]->Active);
}

}  // namespace
}  // namespace lumo::test
