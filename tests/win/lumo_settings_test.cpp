// The registry settings: read from the machine-wide key at start, written to the per-user
// key at close, with the error box for a value that cannot be read.
#include <windows.h>

#include <gtest/gtest.h>

#include <tuple>

#include "app/monitor_ids.h"
#include "support/lumo_program.h"
#include "support/message_box.h"
#include "support/process.h"
#include "support/settings_registry.h"

namespace lumo::test {
namespace {

class LumoSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteKey(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
    DeleteKey(HKEY_CURRENT_USER, kUserSettingsKey);
    dir_ = PrepareLumoDir("settings", "[WINDOW]\r\nCaption=checkout\r\n");
  }
  void TearDown() override { DeleteKey(HKEY_LOCAL_MACHINE, kMachineSettingsKey); }

  // The port list's selection, whether it can be used, and automatic monitoring.
  using Shown = std::tuple<LRESULT, bool, bool>;
  static Shown Read(HWND main) {
    return {SendMessageW(Control(main, kIdComboBox2), CB_GETCURSEL, 0, 0),
            IsWindowEnabled(Control(main, kIdComboBox2)) != FALSE,
            SendMessageW(Control(main, kIdCheckBox1), BM_GETCHECK, 0, 0) == BST_CHECKED};
  }

  static void ExitWithYes(LumoRun& run) {
    ASSERT_TRUE(ExitThroughMenu(run));
    ASSERT_TRUE(run.process.WaitForExit(std::chrono::seconds(5)));
  }

  std::string dir_;
};

TEST_F(LumoSettings, DefaultsWithoutTheMachineKeyAndMinusOneSavedForNoPort) {
  LumoRun run = StartLumo(dir_);
  ASSERT_NE(run.main, nullptr);
  EXPECT_EQ(Read(run.main), Shown(CB_ERR, false, true));
  EXPECT_EQ(SendMessageW(Control(run.main, kIdComboBox2), CB_GETCOUNT, 0, 0), 10);
  ExitWithYes(run);
  EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kUserSettingsKey, "Comport"), 0xFFFFFFFFu);
  EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kUserSettingsKey, "AutoStart"), 1u);
  EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kUserSettingsKey, "UseComport"));
  EXPECT_FALSE(ValueExists(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "Comport"));
}

TEST_F(LumoSettings, MachineValuesAreShownAndSavedPerUserButNotReadBack) {
  SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "Comport", 3);
  SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "AutoStart", 0);
  SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "UseComport", 1);
  {
    LumoRun run = StartLumo(dir_);
    ASSERT_NE(run.main, nullptr);
    EXPECT_EQ(Read(run.main), Shown(3, true, false));
    ExitWithYes(run);
  }
  EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kUserSettingsKey, "Comport"), 3u);
  EXPECT_EQ(GetDword(HKEY_CURRENT_USER, kUserSettingsKey, "AutoStart"), 0u);
  EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kUserSettingsKey, "UseComport"));

  // The next start reads only the machine-wide key, which is gone now.
  DeleteKey(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
  LumoRun run = StartLumo(dir_);
  ASSERT_NE(run.main, nullptr);
  EXPECT_EQ(std::get<0>(Read(run.main)), CB_ERR);
  EXPECT_TRUE(std::get<2>(Read(run.main)));
}

TEST_F(LumoSettings, PortOutsideTheListLeavesNoSelection) {
  SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "Comport", 10);
  SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "AutoStart", 1);
  SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "UseComport", 0);
  LumoRun run = StartLumo(dir_);
  ASSERT_NE(run.main, nullptr);
  EXPECT_EQ(std::get<0>(Read(run.main)), CB_ERR);
}

TEST_F(LumoSettings, UnreadableValueIsReportedAndStartUpGoesOn) {
  struct Case {
    const char* broken;
    const wchar_t* message;
  };
  for (const Case& c : {Case{"AutoStart", L"Invalid data type for 'AutoStart'"},
                        Case{"UseComport", L"Failed to get data for 'UseComport'"}}) {
    SCOPED_TRACE(c.broken);
    DeleteKey(HKEY_LOCAL_MACHINE, kMachineSettingsKey);
    SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "Comport", 2);
    SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "AutoStart", 0);
    SetDword(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "UseComport", 1);
    if (std::string(c.broken) == "AutoStart") {
      SetString(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "AutoStart", "0");
    } else {
      RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kMachineSettingsKey, "UseComport");
    }
    Process lumo(dir_ + "Lumo.exe");
    HWND box = WaitForMessageBox(lumo.Id(), "Lumo");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), c.message);
    EXPECT_TRUE(HasButton(box, IDOK));
    EXPECT_FALSE(HasButton(box, IDCANCEL));
    ASSERT_TRUE(PressButton(box, IDOK));
    HWND main = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
      main = FindProcessWindow(lumo.Id(), "TForm1", "Lumo");
      return main != nullptr && StatusText(main) == kNotStarted;
    }));
    // Read before the failure: the port; after it: the defaults.
    EXPECT_EQ(Read(main), Shown(2, false, std::string(c.broken) == "AutoStart"));
  }
}

}  // namespace
}  // namespace lumo::test
