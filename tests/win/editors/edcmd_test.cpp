// The command editor driven as a person would: clicks on its buttons, typing, Alt+V,
// Escape and the close box.
#include <windows.h>

#include <gtest/gtest.h>

#include "editors/win/EdCmd.h"
#include "support/input.h"
#include "support/modal_driver.h"
#include "support/process.h"
#include "support/screenshot.h"

namespace lumo {
namespace {

using test::AnsiTextOf;
using test::Click;
using test::DriveModal;
using test::PressKey;
using test::TypeText;
using test::WaitForWindow;
using test::WaitUntil;
using Lines = std::vector<std::string>;

HWND Item(HWND form, int id) {
  return GetDlgItem(form, id);
}

std::pair<DWORD, DWORD> Selection(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

TEST(EdCmdForm, FixedClientAreaAndTabOrder) {
  TEdCmdForm form;
  HWND hwnd = form.Handle();
  RECT client;
  GetClientRect(hwnd, &client);
  EXPECT_EQ(client.right, 378);
  EXPECT_EQ(client.bottom, 265);
  EXPECT_FALSE(GetWindowLongW(hwnd, GWL_STYLE) & WS_THICKFRAME);

  // Tab order: verify, speech, display, OK, Cancel, memo, and round again.
  const std::vector<int> order = {TEdCmdForm::kButton3, TEdCmdForm::kButton1, TEdCmdForm::kButton2,
                                  TEdCmdForm::kBitBtn1, TEdCmdForm::kBitBtn2, TEdCmdForm::kMemo1};
  HWND current = Item(hwnd, order.back());
  for (int id : order) {
    current = GetNextDlgTabItem(hwnd, current, FALSE);
    EXPECT_EQ(GetDlgCtrlID(current), id);
  }
}

TEST(EdCmdForm, InsertButtonsTypingVerifyAndOk) {
  TEdCmdForm form;
  HWND hwnd = form.Handle();
  HWND memo = Item(hwnd, TEdCmdForm::kMemo1);
  int result = 0;
  DriveModal([&] { result = form.ShowModal(); },
             [&] {
               ASSERT_NE(WaitForWindow(TEdCmdForm::kClassName), nullptr);
               // An empty memo verifies.
               Click(Item(hwnd, TEdCmdForm::kButton3));
               std::wstring caption;
               EXPECT_EQ(test::AnswerMessageBox(hwnd, &caption, "edcmd-verify-passed"),
                         L"校验通过");
               EXPECT_EQ(caption, L"校验");

               Click(Item(hwnd, TEdCmdForm::kButton1));
               WaitUntil([&] { return !AnsiTextOf(memo).empty(); });
               EXPECT_EQ(AnsiTextOf(memo), "Speak=\r\n");
               // The line break is selected, the caret right after the "=".
               EXPECT_EQ(Selection(memo), (std::pair<DWORD, DWORD>(6, 8)));
               TypeText(L"hello");
               EXPECT_TRUE(WaitUntil([&] { return AnsiTextOf(memo) == "Speak=hello"; }));

               Click(Item(hwnd, TEdCmdForm::kButton2));
               WaitUntil([&] { return AnsiTextOf(memo).size() > 11; });
               EXPECT_EQ(AnsiTextOf(memo), "Speak=hello\r\nDisplay=");
               EXPECT_EQ(Selection(memo), (std::pair<DWORD, DWORD>(21, 21)));
               TypeText(L"~1");
               WaitUntil([&] { return AnsiTextOf(memo).ends_with("~1"); });
               test::SaveScreenshot(hwnd, "edcmd-two-lines");
               Click(Item(hwnd, TEdCmdForm::kBitBtn1));
             });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(form.Lines(), (Lines{"Speak=hello", "Display=~1"}));
}

TEST(EdCmdForm, InvalidLinesFailVerifyAndOkSilentlyStays) {
  TEdCmdForm form;
  HWND hwnd = form.Handle();
  form.SetLines({"Speak=1", "speak=12"});
  int result = 0;
  DriveModal([&] { result = form.ShowModal(); },
             [&] {
               ASSERT_NE(WaitForWindow(TEdCmdForm::kClassName), nullptr);
               Click(Item(hwnd, TEdCmdForm::kBitBtn1));
               Sleep(300);
               EXPECT_TRUE(IsWindowVisible(hwnd));
               EXPECT_EQ(WaitForWindow(L"#32770", hwnd, std::chrono::milliseconds(300)), nullptr);
               // Alt+V is the verify button.
               PressKey('V', {VK_MENU});
               EXPECT_EQ(test::AnswerMessageBox(hwnd, nullptr, "edcmd-verify-failed"), L"校验失败");
               PressKey(VK_ESCAPE);
             });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(form.Lines(), (Lines{"Speak=1", "speak=12"}));
}

TEST(EdCmdForm, CancelAndTheCloseBoxGiveCancel) {
  for (const bool close_box : {false, true}) {
    TEdCmdForm form;
    HWND hwnd = form.Handle();
    form.SetLines({"Speak=1"});
    int result = 0;
    DriveModal([&] { result = form.ShowModal(); },
               [&] {
                 ASSERT_NE(WaitForWindow(TEdCmdForm::kClassName), nullptr);
                 if (close_box) {
                   PressKey(VK_F4, {VK_MENU});
                 } else {
                   Click(Item(hwnd, TEdCmdForm::kBitBtn2));
                 }
               });
    EXPECT_EQ(result, IDCANCEL) << close_box;
  }
}

}  // namespace
}  // namespace lumo
