// The command editor driven as a person would: clicks on its buttons, typing, Alt+V, Escape
// and the close box.
#include <windows.h>

#include <gtest/gtest.h>

#include "editors/win/EdCmd.h"
#include "support/input.h"
#include "support/modal_driver.h"
#include "support/process.h"

namespace lumo::test {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

TEST(EdCmdForm, VerifyInsertButtonsTypingOkEscapeAndTheCloseBox) {
  TEdCmdForm form;
  HWND hwnd = form.Handle();
  HWND memo = GetDlgItem(hwnd, TEdCmdForm::kMemo1);
  form.SetLines({"Speak=1", "speak=12"});
  int result = 0;
  DriveModal([&] { result = form.ShowModal(); },
             [&] {
               ASSERT_NE(WaitForWindow(TEdCmdForm::kClassName), nullptr);
               // A name in the wrong case: OK silently stays, Alt+V (verify) says so.
               Click(GetDlgItem(hwnd, TEdCmdForm::kBitBtn1));
               EXPECT_EQ(WaitForWindow(L"#32770", hwnd, 300ms), nullptr);
               EXPECT_TRUE(IsWindowVisible(hwnd));
               PressKey('V', {VK_MENU});
               EXPECT_EQ(AnswerMessageBox(hwnd), L"校验失败");
               // Emptied, it verifies.
               SetWindowTextA(memo, "");
               Click(GetDlgItem(hwnd, TEdCmdForm::kButton3));
               std::wstring caption;
               EXPECT_EQ(AnswerMessageBox(hwnd, &caption), L"校验通过");
               EXPECT_EQ(caption, L"校验");

               // Typing goes on right after the "=", before (Speak) or without (Display) a
               // line break.
               Click(GetDlgItem(hwnd, TEdCmdForm::kButton1));
               WaitUntil([&] { return !AnsiTextOf(memo).empty(); });
               EXPECT_EQ(AnsiTextOf(memo), "Speak=\r\n");
               TypeText(L"hello");
               EXPECT_TRUE(WaitUntil([&] { return AnsiTextOf(memo) == "Speak=hello"; }));
               Click(GetDlgItem(hwnd, TEdCmdForm::kButton2));
               WaitUntil([&] { return AnsiTextOf(memo).size() > 11; });
               EXPECT_EQ(AnsiTextOf(memo), "Speak=hello\r\nDisplay=");
               TypeText(L"~1");
               WaitUntil([&] { return AnsiTextOf(memo).ends_with("~1"); });
               Click(GetDlgItem(hwnd, TEdCmdForm::kBitBtn1));
             });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(form.Lines(), (Lines{"Speak=hello", "Display=~1"}));

  for (const bool close_box : {false, true}) {
    result = 0;
    DriveModal([&] { result = form.ShowModal(); },
               [&] {
                 ASSERT_NE(WaitForWindow(TEdCmdForm::kClassName), nullptr);
                 PressKey(close_box ? VK_F4 : VK_ESCAPE,
                          close_box ? std::vector<WORD>{VK_MENU} : std::vector<WORD>{});
               });
    EXPECT_EQ(result, IDCANCEL) << close_box;
  }
}

}  // namespace
}  // namespace lumo::test
