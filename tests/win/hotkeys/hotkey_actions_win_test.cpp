// The hotkey actions with the real component: a key pressed anywhere runs its definition.
#include <gtest/gtest.h>

#include <vector>

#include "hotkeys/hotkey_actions.h"
#include "hotkeys/win/SysHot.h"
#include "platform/win_code_page.h"
#include "platform/win_files.h"
#include "support/keyboard.h"
#include "support/process.h"

namespace lumo {
namespace {

using namespace std::chrono_literals;

class RecordingHost : public HotkeyHost {
 public:
  std::vector<std::string> calls;
  void N1Click() override { calls.push_back("N1Click"); }
  bool EditHotkeysEnabled() const override { return true; }
  void N5Click() override { calls.push_back("N5Click"); }
  bool SettingsEnabled() const override { return false; }
  void N6Click() override { calls.push_back("N6Click"); }
  void RunHotkeyCommand(const std::string& parameter) override {
    calls.push_back("Run " + parameter);
  }
  void ReportError(const std::string& text) override { calls.push_back("Error " + text); }
};

std::shared_ptr<HotkeyRec> Rec(std::int32_t action, std::int32_t key, std::string parameter,
                               bool active) {
  auto rec = std::make_shared<HotkeyRec>();
  rec->Action = action;
  rec->Key = key;
  rec->Ctrl = true;
  rec->Shift = true;
  rec->Parameter = std::move(parameter);
  rec->Active = active;
  return rec;
}

TEST(HotkeyActionsWithTheSystem, KeysPressedAnywhereRunTheirDefinitions) {
  const std::string dir = test::MakeProgramDir("hotkey-actions");
  WinFileSystem files;
  WinCodePage code_page;
  HotkeyStore store(files, code_page, dir + "Lumo.hkd");
  // F2 (70) runs a command although inactive; F3 (71) restores the window; the second F2
  // is refused by Windows and never fires.
  HotkeyList list = {Rec(0, 70, "Display=~%3^Speak=%3", false), Rec(2, 71, "", true),
                     Rec(1, 70, "", true)};
  TSysHotKey component;
  RecordingHost host;
  HotkeyActions actions(list, component, store, host);
  component.OnHotKey = [&](TSysHotKey&, std::int32_t index) { actions.HotKeyPressed(index); };
  actions.InstallHotkeys();
  ASSERT_EQ(component.Count(), 3);
  EXPECT_FALSE(component.Entry(2).Registered);

  const UINT mods = MOD_CONTROL | MOD_SHIFT;
  test::PressCombination(mods, VK_F2);
  ASSERT_TRUE(test::WaitUntil([&] { return host.calls.size() == 1; }, 3s));
  test::PressCombination(mods, VK_F3);
  ASSERT_TRUE(test::WaitUntil([&] { return host.calls.size() == 2; }, 3s));
  test::WaitUntil([] { return false; }, 200ms);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"Run Display=~%3^Speak=%3", "N1Click"}));

  actions.RemoveHotkeys();
  EXPECT_EQ(component.Count(), 0);
  EXPECT_TRUE(test::CombinationIsFree(mods, VK_F2));
  test::PressCombination(mods, VK_F2);
  test::WaitUntil([] { return false; }, 200ms);
  EXPECT_EQ(host.calls.size(), 2u);
}

}  // namespace
}  // namespace lumo
