// The Win32 window text adapter against register-sim.exe in its own process: the edges the
// end-to-end stories do not reach.
#include "platform/win_window_texts.h"

#include <gtest/gtest.h>

#include "support/register_sim.h"

namespace lumo::test {
namespace {

namespace rs = register_sim;

TEST(WinWindowTexts, DialogItemsDescendantsTheBufferAndAWindowThatStopsAnswering) {
  RegisterSim sim = StartRegisterSim();
  WinWindowTexts texts;
  const auto reg = reinterpret_cast<WindowHandle>(sim.window);
  const auto id_of = [](WindowHandle window) {
    return GetDlgCtrlID(reinterpret_cast<HWND>(window));
  };
  // Dialog items are direct children only.
  const WindowHandle amount = texts.DialogItem(reg, rs::kAmountDueId);
  EXPECT_EQ(texts.Text(amount, 64), rs::kDefaultAmountDue);
  EXPECT_EQ(texts.DialogItem(reg, rs::kMemberId), 0u);
  EXPECT_EQ(texts.DialogItem(0, rs::kAmountDueId), 0u);
  // Descendants count from 1 in enumeration order; out of range the last one is the answer.
  for (int n = 1; n <= rs::kDescendantCount; ++n) {
    EXPECT_EQ(id_of(texts.NthDescendant(reg, n)), rs::kDescendantOrder[n - 1]) << n;
  }
  for (int n : {0, -1, rs::kDescendantCount + 1}) {
    EXPECT_EQ(id_of(texts.NthDescendant(reg, n)), rs::kDescendantOrder[rs::kDescendantCount - 1])
        << n;
  }
  // None below a window without descendants.
  EXPECT_EQ(texts.NthDescendant(texts.DialogItem(reg, rs::kAmountDueLabelId), 1), 0u);
  // A text fills the buffer but for its terminator.
  ASSERT_TRUE(SetRegisterSimText(sim.window, rs::kAmountDueId, std::string(40, '7')));
  EXPECT_EQ(texts.Text(amount, 32), std::string(31, '7'));
  EXPECT_EQ(texts.Text(amount, 0), "");

  // Sent, so that it is certainly being handled (and hanging) when the text is read.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(sim.window, rs::kHangMessage, 0, 0, SMTO_NORMAL, 200, &ignored);
  const ULONGLONG start = GetTickCount64();
  EXPECT_EQ(texts.Text(amount, 64), "");
  EXPECT_LT(GetTickCount64() - start, WinWindowTexts::kTextTimeoutMilliseconds + 500);
  EXPECT_TRUE(sim.process.Running());
}

}  // namespace
}  // namespace lumo::test
