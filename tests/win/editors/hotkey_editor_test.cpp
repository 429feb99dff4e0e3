// The hotkey editor over a real system hotkey component: its rows, the conflict dialog, the
// registration test and the close box, driven with clicks and keys.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "editors/win/hkError.h"
#include "editors/win/hotkey.h"
#include "hotkeys/hotkey_actions.h"
#include "hotkeys/hotkey_store.h"
#include "hotkeys/win/SysHot.h"
#include "platform/win_code_page.h"
#include "platform/win_files.h"
#include "support/input.h"
#include "support/modal_driver.h"
#include "support/process.h"

namespace lumo::test {
namespace {

// The main window's side of the hotkey actions, as far as the editor reaches it.
struct NoHost : HotkeyHost {
  void N1Click() override {}
  bool EditHotkeysEnabled() const override { return false; }
  void N5Click() override {}
  bool SettingsEnabled() const override { return false; }
  void N6Click() override {}
  void RunHotkeyCommand(const std::string&) override {}
  void ReportError(const std::string& text) override { ADD_FAILURE() << text; }
};

std::shared_ptr<HotkeyRec> Ctrl(const char* description, std::int32_t key, bool active) {
  auto rec = std::make_shared<HotkeyRec>();
  rec->Description = description;
  rec->Key = key;
  rec->Ctrl = true;
  rec->Active = active;
  rec->Parameter = std::string("Speak=") + description;
  return rec;
}

std::wstring ItemText(HWND list, int item, int column) {
  wchar_t text[256] = {};
  LVITEMW lv{};
  lv.iSubItem = column;
  lv.pszText = text;
  lv.cchTextMax = 256;
  SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lv));
  return text;
}

int ItemCount(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

TEST(HotkeyEditor, ConflictDialogRegistrationTestNewRowAndTheCloseBoxDiscardingEdits) {
  WinFileSystem files;
  WinCodePage code_page;
  HotkeyStore store(files, code_page, MakeProgramDir("hotkey-editor") + "Lumo.hkd");
  HotkeyList hotkeys{Ctrl("A", 69, true), Ctrl("B", 70, true), Ctrl("C", 69, false)};
  TSysHotKey component;
  NoHost host;
  HotkeyActions actions(hotkeys, component, store, host);
  actions.InstallHotkeys();  // Ctrl+F1 for A, Ctrl+F2 for B
  const HotkeyList before = hotkeys;
  HWND owner = CreateWindowExW(0, L"STATIC", L"Lumo", WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10,
                               200, 60, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  TEdKeyForm form(owner, hotkeys, component, actions);
  HWND hwnd = form.Handle();
  HWND list = GetDlgItem(hwnd, TEdKeyForm::klvHotkeys);
  HWND group = GetDlgItem(hwnd, TEdKeyForm::kgrpHotkey);
  ASSERT_EQ(ItemCount(list), 3);
  const std::wstring row_a[] = {L"A", L"执行报价器指令", L"Speak=A", L"Ctrl+F1", L"是"};
  for (int column = 0; column < 5; ++column) {
    EXPECT_EQ(ItemText(list, 0, column), row_a[column]) << column;
  }
  EXPECT_EQ(ItemText(list, 2, 4), L"否");
  EXPECT_EQ(TextOf(group), L"编辑热键");
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, TEdKeyForm::kbtnApply)));

  DriveModal(
      [&] { form.ShowModal(); },
      [&] {
        ASSERT_NE(WaitForWindow(TEdKeyForm::kClassName), nullptr);
        RECT r{LVIR_LABEL, 0, 0, 0};  // row B, clicked at its caption
        SendMessageW(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
        ClickClient(list, r.left + 10, (r.top + r.bottom) / 2);
        WaitUntil([&] { return AnsiTextOf(GetDlgItem(hwnd, TEdKeyForm::kedtDescription)) == "B"; });
        // The key list focused (a click opens it, Escape closes it unchanged), then
        // stepped with the arrow keys.
        const auto step = [&](WORD arrow) {
          Click(GetDlgItem(hwnd, TEdKeyForm::kcboHotkey));
          PressKey(VK_ESCAPE);
          PressKey(arrow);
        };
        // F2 -> F1: A holds Ctrl+F1 and keeps it after an Apply, so B would stop
        // working. Cancel keeps B's key.
        step(VK_UP);
        HWND dialog = WaitForWindow(TfrmHotkeyError::kClassName, hwnd);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(TextOf(GetDlgItem(dialog, TfrmHotkeyError::klblEntry)), L"A");
        EXPECT_EQ(TextOf(GetDlgItem(dialog, TfrmHotkeyError::klblDescription)),
                  L"如果继续,先前定义的热键 'B' 将失效.");
        Click(GetDlgItem(dialog, TfrmHotkeyError::kbtnCancel));
        WaitForGone(dialog);
        EXPECT_EQ(ItemText(list, 1, 3), L"Ctrl+F2");
        // Back to F2, B's own applied combination: the registration test refuses it.
        step(VK_DOWN);
        EXPECT_EQ(AnswerMessageBox(hwnd), L"该热键组合已经被其他应用程序使用.");
        // F1 again, continuing this time.
        step(VK_UP);
        dialog = WaitForWindow(TfrmHotkeyError::kClassName, hwnd);
        ASSERT_NE(dialog, nullptr);
        Click(GetDlgItem(dialog, TfrmHotkeyError::kbtnOk));
        WaitForGone(dialog);
        EXPECT_EQ(ItemText(list, 1, 3), L"Ctrl+F1");

        // A new row stays last until its description sorts it in.
        Click(GetDlgItem(hwnd, TEdKeyForm::kbtnNew));
        EXPECT_EQ(TextOf(group), L"添加热键");
        Click(GetDlgItem(hwnd, TEdKeyForm::kedtDescription));
        TypeText(L"0");
        EXPECT_TRUE(WaitUntil([&] { return ItemText(list, 0, 0) == L"0"; }));
        Click(GetDlgItem(hwnd, TEdKeyForm::kbtnDelete));
        EXPECT_EQ(ItemCount(list), 3);
        EXPECT_EQ(TextOf(group), L"编辑热键");
        PressKey(VK_F4, {VK_MENU});  // the close box
      });

  // Nothing of this reaches the hotkeys.
  EXPECT_EQ(hotkeys, before);
  EXPECT_EQ(hotkeys[1]->Key, 70);
  ASSERT_EQ(component.Count(), 3);
  EXPECT_TRUE(component.Entry(0).Registered);
  EXPECT_TRUE(component.Entry(1).Registered);
  actions.RemoveHotkeys();
  DestroyWindow(owner);
}

}  // namespace
}  // namespace lumo::test
