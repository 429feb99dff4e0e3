// The Win32 window text adapter against register-sim.exe in its own process.
#include "platform/win_window_texts.h"

#include <gtest/gtest.h>

#include <memory>

#include "announcer/command_expansion.h"
#include "support/register_sim.h"

namespace lumo {
namespace {

namespace rs = register_sim;

const std::string kHe = "\xBA\xCF";  // 合

WindowHandle Handle(HWND window) {
  return reinterpret_cast<WindowHandle>(window);
}

int IdOf(WindowHandle window) {
  return GetDlgCtrlID(reinterpret_cast<HWND>(window));
}

class WinWindowTextsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sim_ = std::make_unique<test::RegisterSim>(test::StartRegisterSim());
  }
  static void TearDownTestSuite() { sim_.reset(); }

  WindowHandle Register() const { return Handle(sim_->window); }
  void Set(int id, const std::string& text) {
    ASSERT_TRUE(test::SetRegisterSimText(sim_->window, id, text)) << id;
  }

  static std::unique_ptr<test::RegisterSim> sim_;
  WinWindowTexts texts;
};

std::unique_ptr<test::RegisterSim> WinWindowTextsTest::sim_;

TEST_F(WinWindowTextsTest, ReadsDirectChildrenByDialogId) {
  Set(rs::kAmountDueId, "12.50");
  Set(rs::kTotalId, kHe + "\xBC\xC6 8.5 \xD4\xAA");
  EXPECT_EQ(ReadControlText(texts, texts.DialogItem(Register(), rs::kAmountDueId)), "12.50");
  EXPECT_EQ(ReadControlText(texts, texts.DialogItem(Register(), rs::kTotalId)),
            kHe + "\xBC\xC6 8.5 \xD4\xAA");
  EXPECT_EQ(texts.Text(Register(), 64), rs::kDefaultTitle);
  // A nested control is no dialog item of the register window, an unknown ID neither.
  EXPECT_EQ(texts.DialogItem(Register(), rs::kMemberId), 0u);
  EXPECT_EQ(texts.DialogItem(Register(), 4242), 0u);
  EXPECT_EQ(texts.DialogItem(0, rs::kAmountDueId), 0u);
  EXPECT_EQ(ReadControlText(texts, 0), "");
}

TEST_F(WinWindowTextsTest, ALongGbkControlTextIsCutAt63Bytes) {
  std::string chinese;
  for (int i = 0; i < 40; ++i)
    chinese += kHe;
  // 'A' first: byte 63 ends a character.
  Set(rs::kAmountDueId, "A" + chinese);
  WindowHandle control = texts.DialogItem(Register(), rs::kAmountDueId);
  EXPECT_EQ(ReadControlText(texts, control), ("A" + chinese).substr(0, 63));
  // Without it byte 63 is a lead byte: the cut keeps at most 63 bytes of the text.
  Set(rs::kAmountDueId, chinese);
  const std::string cut = ReadControlText(texts, control);
  EXPECT_LE(cut.size(), 63u);
  EXPECT_GE(cut.size(), 62u);
  EXPECT_EQ(chinese.substr(0, cut.size()), cut);
}

TEST_F(WinWindowTextsTest, DescendantsCountFromOneInEnumerationOrder) {
  for (int n = 1; n <= rs::kDescendantCount; ++n) {
    EXPECT_EQ(IdOf(texts.NthDescendant(Register(), n)), rs::kDescendantOrder[n - 1]) << n;
  }
  // Out of range: every descendant is visited and the last one is the answer.
  const int last = rs::kDescendantOrder[rs::kDescendantCount - 1];
  for (int n : {0, -1, rs::kDescendantCount + 1, 1000}) {
    EXPECT_EQ(IdOf(texts.NthDescendant(Register(), n)), last) << n;
  }
  WindowHandle label = texts.DialogItem(Register(), rs::kAmountDueLabelId);
  ASSERT_NE(label, 0u);
  EXPECT_EQ(texts.NthDescendant(label, 1), 0u);
  EXPECT_EQ(texts.NthDescendant(0, 1), 0u);
}

TEST_F(WinWindowTextsTest, ADescendantTextIsCutAt31Bytes) {
  Set(rs::kMemberId, "1234567890123456789012345678901234567890");
  const int member = 5;
  ASSERT_EQ(rs::kDescendantOrder[member - 1], rs::kMemberId);
  EXPECT_EQ(ReadChildWindowText(texts, Register(), member), "1234567890123456789012345678901");
  // The window without descendants reads as empty.
  WindowHandle label = texts.DialogItem(Register(), rs::kAmountDueLabelId);
  EXPECT_EQ(ReadChildWindowText(texts, label, 1), "");
}

TEST(RegisterSimCommandLine, TitleAndPresetTextsInGbk) {
  // 商店 POS as one quoted argument, 找零 and a text with a blank.
  test::RegisterSim sim = test::StartRegisterSim(
      "--title \"\xC9\xCC\xB5\xEA POS\" --text 1003=\xD5\xD2\xC1\xE3 --text \"1004=8 8\"");
  WinWindowTexts texts;
  WindowHandle window = Handle(sim.window);
  EXPECT_EQ(texts.Text(window, 64), "\xC9\xCC\xB5\xEA POS");
  EXPECT_EQ(texts.Text(texts.DialogItem(window, rs::kChangeId), 64), "\xD5\xD2\xC1\xE3");
  EXPECT_EQ(ReadChildWindowText(texts, window, 5), "8 8");
  EXPECT_EQ(texts.Text(texts.DialogItem(window, rs::kAmountDueId), 64), rs::kDefaultAmountDue);
}

TEST(WinWindowTextsHung, AWindowThatStopsAnsweringGivesAnEmptyTextWithinTheBound) {
  test::RegisterSim sim = test::StartRegisterSim();
  WinWindowTexts texts;
  WindowHandle control = texts.DialogItem(Handle(sim.window), rs::kAmountDueId);
  ASSERT_EQ(texts.Text(control, 64), rs::kDefaultAmountDue);
  // Sent, so that it is certainly being handled (and hanging) when we read.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(sim.window, rs::kHangMessage, 0, 0, SMTO_NORMAL, 200, &ignored);
  ULONGLONG start = GetTickCount64();
  EXPECT_EQ(texts.Text(control, 64), "");
  EXPECT_LT(GetTickCount64() - start, WinWindowTexts::kTextTimeoutMilliseconds + 500);
  start = GetTickCount64();
  EXPECT_EQ(ReadChildWindowText(texts, Handle(sim.window), 2), "");
  EXPECT_LT(GetTickCount64() - start, WinWindowTexts::kTextTimeoutMilliseconds + 500);
  EXPECT_TRUE(sim.process.Running());
}

}  // namespace
}  // namespace lumo
