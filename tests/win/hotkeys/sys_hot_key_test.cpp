// The hotkey component against the real RegisterHotKey and keys sent through SendInput, in
// the ways Lumo's own hotkeys do not use it.
#include "hotkeys/win/SysHot.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "support/input.h"
#include "support/process.h"

namespace lumo::test {
namespace {

using namespace std::chrono_literals;

// Component key indices of F5, F6, F7 and F9.
constexpr std::uint8_t kF5 = 80, kF6 = 81, kF7 = 82, kF9 = 84;
constexpr THotKeyModifiers kCtrlAlt = hmCtrl | hmAlt;
constexpr UINT kModCtrlAlt = MOD_CONTROL | MOD_ALT;

TEST(SysHotKey, RegistersWhileActiveKeepsRefusedEntriesRenumbersAndNeverThrowsOut) {
  TSysHotKey component;
  std::vector<std::int32_t> fired;
  component.OnHotKey = [&](TSysHotKey& sender, std::int32_t index) {
    EXPECT_EQ(&sender, &component);
    fired.push_back(index);
  };
  const auto press = [&](WORD key) {
    const std::size_t before = fired.size();
    PressCombination(kModCtrlAlt, key);
    return WaitUntil([&] { return fired.size() > before; }, 3s) ? fired.back() : -1;
  };

  EXPECT_FALSE(component.AddHotKey(kF5, kCtrlAlt).Registered);  // inactive
  EXPECT_TRUE(CombinationIsFree(kModCtrlAlt, VK_F5));
  component.SetActive(true);
  component.SetActive(true);
  EXPECT_TRUE(component.Entry(0).Registered);
  // A combination held elsewhere is refused but keeps its place: identifiers stay indices.
  ASSERT_TRUE(RegisterHotKey(nullptr, 1, kModCtrlAlt, VK_F9));
  EXPECT_FALSE(component.AddHotKey(kF9, kCtrlAlt).Registered);
  UnregisterHotKey(nullptr, 1);
  EXPECT_TRUE(component.AddHotKey(kF6, kCtrlAlt).Registered);
  EXPECT_TRUE(component.AddHotKey(kF7, kCtrlAlt).Registered);
  EXPECT_EQ(press(VK_F6), 2);
  // Deleting renumbers the entries after it.
  component.Delete(0);
  EXPECT_TRUE(CombinationIsFree(kModCtrlAlt, VK_F5));
  EXPECT_EQ(press(VK_F6), 1);
  EXPECT_EQ(press(VK_F7), 2);
  // Clearing keeps it active.
  component.Clear();
  EXPECT_TRUE(CombinationIsFree(kModCtrlAlt, VK_F6));
  EXPECT_TRUE(component.AddHotKey(kF5, kCtrlAlt).Registered);
  // The identifier is the message's low 16 bits; a handler's exception goes to OnError.
  SendMessageW(component.Handle(), WM_HOTKEY, 0x10003, 0);
  EXPECT_EQ(fired.back(), 3);
  std::string reported;
  component.OnError = [&](const std::exception& error) { reported = error.what(); };
  component.OnHotKey = [](TSysHotKey&, std::int32_t) { throw std::runtime_error("boom"); };
  SendMessageW(component.Handle(), WM_HOTKEY, 0, 0);
  EXPECT_EQ(reported, "boom");
  // Its window destroyed, the component is inactive and has let go of everything.
  DestroyWindow(component.Handle());
  EXPECT_FALSE(component.Active());
  EXPECT_TRUE(CombinationIsFree(kModCtrlAlt, VK_F5));
}

}  // namespace
}  // namespace lumo::test
