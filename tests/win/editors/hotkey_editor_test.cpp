// The hotkey editor over a real system hotkey component: rows, the registration test, the
// conflict dialog and Apply, driven with clicks and keys while the hotkeys stay live.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "editors/hotkey_text.h"
#include "editors/win/hkError.h"
#include "editors/win/hotkey.h"
#include "hotkeys/hotkey_actions.h"
#include "hotkeys/hotkey_store.h"
#include "hotkeys/win/SysHot.h"
#include "platform/win_code_page.h"
#include "platform/win_files.h"
#include "support/input.h"
#include "support/message_box.h"
#include "support/modal_driver.h"
#include "support/process.h"
#include "support/screenshot.h"
#include "support/window_text.h"

namespace lumo {
namespace {

using test::Click;
using test::PressKey;
using test::WaitForWindow;
using test::WaitUntil;

// The main window's side of the hotkey actions, reduced to what the editor can reach.
struct RecordingHost : HotkeyHost {
  std::vector<std::string> commands;
  void N1Click() override {}
  bool EditHotkeysEnabled() const override { return false; }
  void N5Click() override {}
  bool SettingsEnabled() const override { return false; }
  void N6Click() override {}
  void RunHotkeyCommand(const std::string& parameter) override { commands.push_back(parameter); }
  void ReportError(const std::string& text) override { ADD_FAILURE() << text; }
};

// HotkeyList, the component and the actions, as the main window holds them.
struct HotkeySystem {
  HotkeySystem()
      : store(files, code_page, test::MakeProgramDir("hotkey-editor") + "Lumo.hkd"),
        actions(list, component, store, host) {
    component.OnHotKey = [this](TSysHotKey&, std::int32_t index) { actions.HotKeyPressed(index); };
    owner = CreateWindowExW(0, L"STATIC", L"Lumo", WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10, 200,
                            60, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~HotkeySystem() {
    actions.RemoveHotkeys();
    DestroyWindow(owner);
  }
  void Add(const std::string& description, std::int32_t key, bool ctrl, bool active,
           const std::string& parameter = "") {
    auto rec = std::make_shared<HotkeyRec>();
    rec->Description = description;
    rec->Key = key;
    rec->Ctrl = ctrl;
    rec->Active = active;
    rec->Parameter = parameter;
    list.push_back(rec);
  }

  WinFileSystem files;
  WinCodePage code_page;
  HotkeyStore store;
  HotkeyList list;
  TSysHotKey component;
  RecordingHost host;
  HotkeyActions actions;
  HWND owner = nullptr;
};

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

// Clicks a row of the list at its caption.
void ClickRow(HWND list, int item) {
  RECT r{};
  r.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r));
  test::ClickClient(list, r.left + 10, (r.top + r.bottom) / 2);
}

TEST(HotkeyEditor, AddAHotkeyThroughTheWindowsApplyItAndPressIt) {
  if (!test::CombinationIsFree(MOD_CONTROL, VK_F5)) {
    GTEST_SKIP() << "Ctrl+F5 is held by another program";
  }
  HotkeySystem system;
  system.actions.InstallHotkeys();
  TEdKeyForm form(system.owner, system.list, system.component, system.actions);
  HWND hwnd = form.Handle();
  HWND list = GetDlgItem(hwnd, TEdKeyForm::klvHotkeys);

  // An empty list opens with one blank row, ready to add.
  ASSERT_EQ(ItemCount(list), 1);
  EXPECT_EQ(ItemText(list, 0, 1), L"执行报价器指令");
  EXPECT_EQ(ItemText(list, 0, 3), L"");
  EXPECT_EQ(ItemText(list, 0, 4), L"是");
  EXPECT_EQ(test::TextOf(GetDlgItem(hwnd, TEdKeyForm::kgrpHotkey)), L"添加热键");
  EXPECT_TRUE(IsWindowEnabled(GetDlgItem(hwnd, TEdKeyForm::kbtnApply)));

  test::DriveModal([&] { form.ShowModal(); },
                   [&] {
                     ASSERT_NE(WaitForWindow(TEdKeyForm::kClassName), nullptr);
                     test::SaveScreenshot(hwnd, "hotkey-editor-empty");
                     Click(GetDlgItem(hwnd, TEdKeyForm::kedtDescription));
                     test::TypeText(L"Amount 合计");
                     Click(GetDlgItem(hwnd, TEdKeyForm::kchkCtrl));
                     test::ChooseComboItem(GetDlgItem(hwnd, TEdKeyForm::kcboHotkey), 'F',
                                           KeyNameIndex("F5"));

                     // The command typed into the parameter field (the program scenario uses its
                     // command editor).
                     HWND field = GetDlgItem(hwnd, TEdKeyForm::kedtCommandLine);
                     test::ClickClient(field, 20, 8);
                     test::TypeText(L"Speak=%3");
                     WaitUntil([&] { return ItemText(list, 0, 2) == L"Speak=%3"; });
                     EXPECT_EQ(test::AnsiTextOf(field), "Speak=%3");
                     const std::wstring row[] = {L"Amount 合计", L"执行报价器指令", L"Speak=%3",
                                                 L"Ctrl+F5", L"是"};
                     for (int column = 0; column < 5; ++column) {
                       EXPECT_EQ(ItemText(list, 0, column), row[column]) << column;
                     }
                     test::SaveScreenshot(hwnd, "hotkey-editor-row");

                     HWND apply = GetDlgItem(hwnd, TEdKeyForm::kbtnApply);
                     Click(apply);
                     EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(apply); }));

                     // The applied hotkey works while the editor is open.
                     test::PressCombination(MOD_CONTROL, VK_F5);
                     Sleep(300);

                     // Ctrl off and on again: the row's own applied combination is refused.
                     Click(GetDlgItem(hwnd, TEdKeyForm::kchkCtrl));
                     WaitUntil([&] { return ItemText(list, 0, 3) == L"F5"; });
                     Click(GetDlgItem(hwnd, TEdKeyForm::kchkCtrl));
                     EXPECT_EQ(test::AnswerMessageBox(hwnd), L"该热键组合已经被其他应用程序使用.");
                     EXPECT_EQ(ItemText(list, 0, 3), L"F5");
                     Click(GetDlgItem(hwnd, TEdKeyForm::kbtnClose));
                   });

  ASSERT_EQ(system.list.size(), 1u);
  const HotkeyRec& rec = *system.list[0];
  EXPECT_EQ(rec.Description, "Amount \xBA\xCF\xBC\xC6");
  EXPECT_TRUE(rec.Ctrl);
  EXPECT_FALSE(rec.Alt || rec.Shift || rec.Win);
  EXPECT_EQ(rec.Key, 73);
  EXPECT_EQ(rec.Action, 0);
  EXPECT_EQ(rec.Parameter, "Speak=%3");
  EXPECT_TRUE(rec.Active);
  EXPECT_EQ(system.host.commands, std::vector<std::string>{"Speak=%3"});
  // The edit after Apply was not applied: the component still holds Ctrl+F5 only.
  ASSERT_EQ(system.component.Count(), 1);
  EXPECT_TRUE(system.component.Entry(0).Registered);
  EXPECT_FALSE(test::CombinationIsFree(MOD_CONTROL, VK_F5));
}

TEST(HotkeyEditor, ConflictDialogCancelKeepsTheTextAndClosingDiscardsEdits) {
  HotkeySystem system;
  system.Add("A", 69, true, true, "Speak=1");   // Ctrl+F1
  system.Add("B", 70, true, true, "Speak=2");   // Ctrl+F2
  system.Add("C", 69, true, false, "Speak=3");  // Ctrl+F1, not active
  system.actions.InstallHotkeys();
  const std::vector<std::shared_ptr<HotkeyRec>> before = system.list;
  TEdKeyForm form(system.owner, system.list, system.component, system.actions);
  HWND hwnd = form.Handle();
  HWND list = GetDlgItem(hwnd, TEdKeyForm::klvHotkeys);
  ASSERT_EQ(ItemCount(list), 3);
  EXPECT_EQ(ItemText(list, 2, 4), L"否");
  EXPECT_EQ(test::TextOf(GetDlgItem(hwnd, TEdKeyForm::kgrpHotkey)), L"编辑热键");
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(hwnd, TEdKeyForm::kbtnApply)));

  test::DriveModal(
      [&] { form.ShowModal(); },
      [&] {
        ASSERT_NE(WaitForWindow(TEdKeyForm::kClassName), nullptr);
        ClickRow(list, 1);  // B
        WaitUntil(
            [&] { return test::AnsiTextOf(GetDlgItem(hwnd, TEdKeyForm::kedtDescription)) == "B"; });
        HWND key = GetDlgItem(hwnd, TEdKeyForm::kcboHotkey);
        // Focus the key list (a click opens it, Escape closes it unchanged), then step with
        // the arrow keys.
        auto step = [&](WORD arrow) {
          Click(key);
          PressKey(VK_ESCAPE);
          PressKey(arrow);
        };
        step(VK_UP);  // F2 -> F1: A holds Ctrl+F1
        HWND dialog = WaitForWindow(TfrmHotkeyError::kClassName, hwnd);
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
          EXPECT_EQ(test::TextOf(GetDlgItem(dialog, TfrmHotkeyError::klblEntry)), L"A");
          // A stands earlier and keeps Ctrl+F1 after Apply: B is the one that would stop
          // working.
          EXPECT_EQ(test::TextOf(GetDlgItem(dialog, TfrmHotkeyError::klblDescription)),
                    L"如果继续,先前定义的热键 'B' 将失效.");
          test::SaveScreenshot(dialog, "hotkey-conflict");
          Click(GetDlgItem(dialog, TfrmHotkeyError::kbtnCancel));
          test::WaitForGone(dialog);
        }
        EXPECT_EQ(ItemText(list, 1, 3), L"Ctrl+F2");

        // Once more, continuing this time.
        step(VK_DOWN);  // back to F2: B's own, applied combination
        EXPECT_EQ(test::AnswerMessageBox(hwnd), L"该热键组合已经被其他应用程序使用.");
        step(VK_UP);
        dialog = WaitForWindow(TfrmHotkeyError::kClassName, hwnd);
        if (dialog) {
          Click(GetDlgItem(dialog, TfrmHotkeyError::kbtnOk));
          test::WaitForGone(dialog);
        }
        EXPECT_EQ(ItemText(list, 1, 3), L"Ctrl+F1");

        // A new row stays last until its description sorts it in.
        Click(GetDlgItem(hwnd, TEdKeyForm::kbtnNew));
        EXPECT_EQ(test::TextOf(GetDlgItem(hwnd, TEdKeyForm::kgrpHotkey)), L"添加热键");
        Click(GetDlgItem(hwnd, TEdKeyForm::kedtDescription));
        test::TypeText(L"0");
        EXPECT_TRUE(WaitUntil([&] { return ItemText(list, 0, 0) == L"0"; }));
        test::SaveScreenshot(hwnd, "hotkey-editor-rows");
        Click(GetDlgItem(hwnd, TEdKeyForm::kbtnDelete));
        EXPECT_EQ(ItemCount(list), 3);
        EXPECT_EQ(test::TextOf(GetDlgItem(hwnd, TEdKeyForm::kgrpHotkey)), L"编辑热键");
        // The close box: nothing of this reaches the hotkeys.
        PressKey(VK_F4, {VK_MENU});
      });

  EXPECT_EQ(system.list, before);
  EXPECT_EQ(system.list[1]->Key, 70);
  ASSERT_EQ(system.component.Count(), 3);
  EXPECT_TRUE(system.component.Entry(0).Registered);
  EXPECT_TRUE(system.component.Entry(1).Registered);
}

}  // namespace
}  // namespace lumo
