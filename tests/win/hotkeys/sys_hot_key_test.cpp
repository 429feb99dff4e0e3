// The hotkey component against the real RegisterHotKey and key presses sent through
// SendInput.
#include "hotkeys/win/SysHot.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/input.h"
#include "support/paths.h"
#include "support/process.h"

namespace lumo {
namespace {

using namespace std::chrono_literals;

// Component key indices and the virtual keys they stand for.
constexpr std::uint8_t kF5 = 80, kF6 = 81, kF7 = 82, kF9 = 84, kF11 = 86;
constexpr UINT kVkF5 = VK_F5, kVkF6 = VK_F6, kVkF7 = VK_F7, kVkF9 = VK_F9, kVkF11 = VK_F11;
constexpr THotKeyModifiers kCtrlAlt = hmCtrl | hmAlt;
constexpr UINT kModCtrlAlt = MOD_CONTROL | MOD_ALT;

// Run as a second copy of this program: holds the combination named by LUMO_HOLD_HOTKEY
// ("<mod flags> <virtual key> <event name>"), signals the event, and waits to be ended.
TEST(HotkeyHolder, DISABLED_HoldsACombinationForAnotherProcess) {
  const char* request = std::getenv("LUMO_HOLD_HOTKEY");
  ASSERT_NE(request, nullptr);
  unsigned mods = 0, key = 0;
  char event_name[128] = {};
  ASSERT_EQ(std::sscanf(request, "%u %u %127s", &mods, &key, event_name), 3);
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, mods, key));
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, event_name);
  ASSERT_NE(ready, nullptr);
  SetEvent(ready);
  CloseHandle(ready);
  Sleep(60000);
}

// Another process holding a combination until the object goes away.
class HeldCombination {
 public:
  HeldCombination(UINT mods, UINT key) {
    const std::string event_name = "LumoHoldReady" + std::to_string(GetCurrentProcessId());
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, event_name.c_str());
    holder_ = test::Process(test::BinDir() + "lumo_win_tests.exe",
                            "--gtest_filter=HotkeyHolder.* --gtest_also_run_disabled_tests",
                            {"LUMO_HOLD_HOTKEY=" + std::to_string(mods) + " " +
                             std::to_string(key) + " " + event_name});
    held_ = WaitForSingleObject(ready, 10000) == WAIT_OBJECT_0;
    CloseHandle(ready);
  }
  bool Held() const { return held_; }

 private:
  test::Process holder_;
  bool held_ = false;
};

class SysHotKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    component_.OnHotKey = [this](TSysHotKey& sender, std::int32_t index) {
      EXPECT_EQ(&sender, &component_);
      fired_.push_back(index);
    };
  }

  // Presses the combination and waits for the component to report it.
  bool PressAndWait(UINT mods, WORD key) {
    const std::size_t before = fired_.size();
    test::PressCombination(mods, key);
    return test::WaitUntil([&] { return fired_.size() > before; }, 3s);
  }

  TSysHotKey component_;
  std::vector<std::int32_t> fired_;
};

TEST_F(SysHotKeyTest, InactiveAddsRegisterNothingUntilActivated) {
  const THotKeyEntry added = component_.AddHotKey(kF5, kCtrlAlt);
  EXPECT_FALSE(added.Registered);
  EXPECT_EQ(added.Key, kF5);
  EXPECT_EQ(added.Modifiers, kCtrlAlt);
  EXPECT_EQ(component_.Count(), 1);
  EXPECT_FALSE(component_.HandleAllocated());
  EXPECT_TRUE(test::CombinationIsFree(kModCtrlAlt, kVkF5));

  component_.SetActive(true);
  component_.SetActive(true);
  EXPECT_TRUE(component_.HandleAllocated());
  EXPECT_TRUE(component_.Entry(0).Registered);
  EXPECT_FALSE(test::CombinationIsFree(kModCtrlAlt, kVkF5));
  ASSERT_TRUE(PressAndWait(kModCtrlAlt, kVkF5));
  EXPECT_EQ(fired_.back(), 0);

  component_.SetActive(false);
  EXPECT_FALSE(component_.Entry(0).Registered);
  EXPECT_TRUE(test::CombinationIsFree(kModCtrlAlt, kVkF5));
}

TEST_F(SysHotKeyTest, ACombinationHeldByAnotherProcessIsRefusedButKept) {
  HeldCombination held(kModCtrlAlt, kVkF9);
  ASSERT_TRUE(held.Held());
  component_.SetActive(true);
  const THotKeyEntry refused = component_.AddHotKey(kF9, kCtrlAlt);
  EXPECT_FALSE(refused.Registered);
  EXPECT_EQ(component_.Count(), 1);
  const THotKeyEntry accepted = component_.AddHotKey(kF6, kCtrlAlt);
  EXPECT_TRUE(accepted.Registered);
  EXPECT_EQ(component_.Count(), 2);
  EXPECT_FALSE(component_.Entry(0).Registered);
  // Deactivating skips the refused entry and frees the accepted one.
  component_.SetActive(false);
  EXPECT_TRUE(test::CombinationIsFree(kModCtrlAlt, kVkF6));
  EXPECT_FALSE(test::CombinationIsFree(kModCtrlAlt, kVkF9));
}

TEST_F(SysHotKeyTest, DeleteRenumbersTheEntriesAfterIt) {
  component_.SetActive(true);
  component_.AddHotKey(kF5, kCtrlAlt);
  component_.AddHotKey(kF6, kCtrlAlt);
  component_.AddHotKey(kF7, kCtrlAlt);
  ASSERT_TRUE(PressAndWait(kModCtrlAlt, kVkF6));
  EXPECT_EQ(fired_.back(), 1);

  component_.Delete(0);
  ASSERT_EQ(component_.Count(), 2);
  EXPECT_EQ(component_.Entry(0).Key, kF6);
  EXPECT_TRUE(component_.Entry(0).Registered);
  EXPECT_TRUE(component_.Entry(1).Registered);
  EXPECT_TRUE(test::CombinationIsFree(kModCtrlAlt, kVkF5));
  ASSERT_TRUE(PressAndWait(kModCtrlAlt, kVkF6));
  EXPECT_EQ(fired_.back(), 0);
  ASSERT_TRUE(PressAndWait(kModCtrlAlt, kVkF7));
  EXPECT_EQ(fired_.back(), 1);
}

TEST_F(SysHotKeyTest, ClearKeepsTheComponentActive) {
  component_.SetActive(true);
  component_.AddHotKey(kF5, kCtrlAlt);
  component_.AddHotKey(kF6, kCtrlAlt);
  component_.Clear();
  EXPECT_EQ(component_.Count(), 0);
  EXPECT_TRUE(component_.Active());
  EXPECT_TRUE(test::CombinationIsFree(kModCtrlAlt, kVkF5));
  EXPECT_TRUE(test::CombinationIsFree(kModCtrlAlt, kVkF6));
  EXPECT_TRUE(component_.AddHotKey(kF11, hmCtrl | hmShift).Registered);
  EXPECT_FALSE(test::CombinationIsFree(MOD_CONTROL | MOD_SHIFT, kVkF11));
}

TEST_F(SysHotKeyTest, DestroyingTheWindowOrTheComponentUnregistersEverything) {
  component_.SetActive(true);
  component_.AddHotKey(kF5, kCtrlAlt);
  DestroyWindow(component_.Handle());
  EXPECT_FALSE(component_.HandleAllocated());
  EXPECT_FALSE(component_.Active());
  EXPECT_FALSE(component_.Entry(0).Registered);
  EXPECT_TRUE(test::CombinationIsFree(kModCtrlAlt, kVkF5));

  {
    TSysHotKey other;
    other.SetActive(true);
    other.AddHotKey(kF7, kCtrlAlt);
    EXPECT_FALSE(test::CombinationIsFree(kModCtrlAlt, kVkF7));
  }
  EXPECT_TRUE(test::CombinationIsFree(kModCtrlAlt, kVkF7));
}

TEST_F(SysHotKeyTest, HotkeyMessagesCarryTheLow16BitsAndNeverThrowOut) {
  SendMessageW(component_.Handle(), WM_HOTKEY, 0x10003, 0);
  ASSERT_EQ(fired_.size(), 1u);
  EXPECT_EQ(fired_[0], 3);

  std::string reported;
  component_.OnError = [&](const std::exception& error) { reported = error.what(); };
  component_.OnHotKey = [](TSysHotKey&, std::int32_t) { throw std::runtime_error("boom"); };
  SendMessageW(component_.Handle(), WM_HOTKEY, 0, 0);
  EXPECT_EQ(reported, "boom");

  component_.OnHotKey = nullptr;
  EXPECT_EQ(SendMessageW(component_.Handle(), WM_HOTKEY, 1, 0), 0);
}

}  // namespace
}  // namespace lumo
