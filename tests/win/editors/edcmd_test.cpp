// The command editor driven as a person would: clicks on its buttons, typing, Alt+V,
// Escape and the close box.
#include <windows.h>

#include <gtest/gtest.h>

#include "editors/win/EdCmd.h"
#include "support/input.h"
#include "support/message_box.h"
#include "support/modal_driver.h"
#include "support/process.h"
#include "support/screenshot.h"
#include "support/window_text.h"

namespace lumo {
namespace {

using test::AnsiTextOf;
using test::Click;
using test::DriveModal;
using test::MessageBoxText;
using test::PressKey;
using test::TypeText;
using test::WaitForWindow;
using test::WaitUntil;
using Lines = std::vector<std::string>;

HWND Item(HWND form, int id) {
  return GetDlgItem(form, id);
}

// Waits for the message box over form, reads it and closes it with Enter.
std::wstring ReadAndCloseMessageBox(HWND form, std::wstring* caption = nullptr,
                                    const std::string& screenshot = "") {
  HWND box = WaitForWindow(L"#32770", form);
  if (!box) {
    return L"<no message box>";
  }
  if (caption) {
    *caption = test::TextOf(box);
  }
  if (!screenshot.empty()) {
    test::SaveScreenshot(box, screenshot);
  }
  const std::wstring text = MessageBoxText(box);
  PressKey(VK_RETURN);
  test::WaitForGone(box);
  return text;
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
  std::wstring verify_caption, verify_text;
  std::string after_speak, after_typing, after_display;
  std::pair<DWORD, DWORD> speak_selection, display_selection;
  DriveModal([&] { result = form.ShowModal(); },
             [&] {
               if (!WaitForWindow(TEdCmdForm::kClassName)) {
                 return;
               }
               // An empty memo verifies.
               Click(Item(hwnd, TEdCmdForm::kButton3));
               verify_text = ReadAndCloseMessageBox(hwnd, &verify_caption, "edcmd-verify-passed");

               Click(Item(hwnd, TEdCmdForm::kButton1));
               WaitUntil([&] { return !AnsiTextOf(memo).empty(); });
               after_speak = AnsiTextOf(memo);
               speak_selection = Selection(memo);
               TypeText(L"hello");
               WaitUntil([&] { return AnsiTextOf(memo) == "Speak=hello"; });
               after_typing = AnsiTextOf(memo);

               Click(Item(hwnd, TEdCmdForm::kButton2));
               WaitUntil([&] { return AnsiTextOf(memo).size() > after_typing.size(); });
               after_display = AnsiTextOf(memo);
               display_selection = Selection(memo);
               TypeText(L"~1");
               WaitUntil([&] { return AnsiTextOf(memo).ends_with("~1"); });
               test::SaveScreenshot(hwnd, "edcmd-two-lines");
               Click(Item(hwnd, TEdCmdForm::kBitBtn1));
             });
  EXPECT_EQ(verify_text, L"校验通过");
  EXPECT_EQ(verify_caption, L"校验");
  EXPECT_EQ(after_speak, "Speak=\r\n");
  // The line break is selected, the caret right after the "=".
  EXPECT_EQ(speak_selection, (std::pair<DWORD, DWORD>(6, 8)));
  EXPECT_EQ(after_typing, "Speak=hello");
  EXPECT_EQ(after_display, "Speak=hello\r\nDisplay=");
  EXPECT_EQ(display_selection, (std::pair<DWORD, DWORD>(21, 21)));
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(form.Lines(), (Lines{"Speak=hello", "Display=~1"}));
}

TEST(EdCmdForm, InvalidLinesFailVerifyAndOkSilentlyStays) {
  TEdCmdForm form;
  HWND hwnd = form.Handle();
  form.SetLines({"Speak=1", "speak=12"});
  int result = 0;
  bool still_open_after_ok = false;
  bool message_after_ok = true;
  std::wstring verify_text;
  DriveModal([&] { result = form.ShowModal(); },
             [&] {
               if (!WaitForWindow(TEdCmdForm::kClassName)) {
                 return;
               }
               Click(Item(hwnd, TEdCmdForm::kBitBtn1));
               Sleep(300);
               still_open_after_ok = IsWindowVisible(hwnd) != FALSE;
               message_after_ok = WaitForWindow(L"#32770", hwnd, std::chrono::milliseconds(300));
               // Alt+V is the verify button.
               PressKey('V', {VK_MENU});
               verify_text = ReadAndCloseMessageBox(hwnd, nullptr, "edcmd-verify-failed");
               PressKey(VK_ESCAPE);
             });
  EXPECT_TRUE(still_open_after_ok);
  EXPECT_FALSE(message_after_ok);
  EXPECT_EQ(verify_text, L"校验失败");
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
                 if (!WaitForWindow(TEdCmdForm::kClassName)) {
                   return;
                 }
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
