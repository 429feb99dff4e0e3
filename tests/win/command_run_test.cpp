// Commands run against register-sim.exe in its own process, through the real binding to
// the stand-in cts4r.dll: what reaches the announcer, in order and in time.
#include <gtest/gtest.h>

#include <memory>

#include "announcer/command_execution.h"
#include "common/errors.h"
#include "platform/cts4r_announcer.h"
#include "platform/win_sleeper.h"
#include "platform/win_window_texts.h"
#include "support/announcer_record.h"
#include "support/register_sim.h"

namespace lumo {
namespace {

namespace rs = register_sim;
using Lines = std::vector<std::string>;

const std::string kYingShou = "\xD3\xA6\xCA\xD5";   // 应收
const std::string kYuanZheng = "\xD4\xAA\xD5\xFB";  // 元整

class CommandRunTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sim_ = std::make_unique<test::RegisterSim>(test::StartRegisterSim());
  }
  static void TearDownTestSuite() { sim_.reset(); }

  void SetUp() override {
    const std::string dir =
        test::MakeProgramDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
    record_ = std::make_unique<test::AnnouncerRecord>(dir + "announcer.log");
    SetEnvironmentVariableA("LUMO_ANNOUNCER_LOG", record_->Path().c_str());
  }
  void TearDown() override { SetEnvironmentVariableA("LUMO_ANNOUNCER_LOG", nullptr); }

  CommandContext Attached() {
    return {reinterpret_cast<WindowHandle>(sim_->window), texts_, driver_, sleeper_};
  }
  void Set(int id, const std::string& text) {
    ASSERT_TRUE(test::SetRegisterSimText(sim_->window, id, text));
  }

  static std::unique_ptr<test::RegisterSim> sim_;
  std::unique_ptr<test::AnnouncerRecord> record_;
  WinWindowTexts texts_;
  Cts4rAnnouncer driver_;
  WinSleeper sleeper_;
};

std::unique_ptr<test::RegisterSim> CommandRunTest::sim_;

TEST_F(CommandRunTest, HotkeyCommandReadsTheNthDescendantAndClearsBeforePrinting) {
  // The second descendant is the amount due, the fifth the nested member field.
  Set(rs::kAmountDueId, "^88.00");
  Set(rs::kMemberId, kYingShou + "12.50" + kYuanZheng);
  RunHotkeyCommand(Attached(), "Display=~%2^Speak=%5^Display=%2");
  const auto calls = record_->Calls();
  EXPECT_EQ(test::Summaries(calls),
            (Lines{"Cls 0", "PrintText 1 1 ^88.00", "SoundOut " + kYingShou + "12.50" + kYuanZheng,
                   "PrintText 1 2 88.00"}));
  ASSERT_GE(calls.size(), 2u);
  EXPECT_GE(calls[1].Ms - calls[0].Ms, 100);
}

TEST_F(CommandRunTest, ShowListReadsControlsByDialogId) {
  Set(rs::kAmountDueId, kYingShou + "36.80" + kYuanZheng);
  Set(rs::kTotalId, "36.80");
  ActionList list = std::make_unique<TLumoAction>(kDisplayAction, "~Total{2}<%1002%>");
  list->Next = std::make_unique<TLumoAction>(kSpeakAction, "<%1001%>");
  list->Next->Next = std::make_unique<TLumoAction>(kDisplayAction, "^<%1004%>|");
  RunActionList(Attached(), list.get());
  const auto calls = record_->Calls();
  // 1004 sits inside a panel: it is no dialog item of the register window.
  EXPECT_EQ(test::Summaries(calls), (Lines{"Cls 0", "PrintText 1 1 Total  36.80",
                                           "SoundOut 36.80" + kYuanZheng, "PrintText 1 2 |"}));
  ASSERT_GE(calls.size(), 2u);
  EXPECT_GE(calls[1].Ms - calls[0].Ms, 100);
}

TEST_F(CommandRunTest, AConversionErrorLeavesTheCallsBeforeIt) {
  Set(rs::kAmountDueId, "5.00");
  EXPECT_THROW(RunHotkeyCommand(Attached(), "Speak=%2^Speak=%x^Speak=%2"), ConversionError);
  EXPECT_EQ(test::Summaries(record_->Calls()), (Lines{"SoundOut 5.00"}));
}

}  // namespace
}  // namespace lumo
