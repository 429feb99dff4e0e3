// The registry settings: read from the machine-wide key at start, with an error box for a
// value that cannot be read, and written to the per-user key at close.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "app/monitor_ids.h"
#include "support/lumo_program.h"
#include "support/message_box.h"

namespace lumo::test {
namespace {

using namespace std::chrono_literals;

constexpr char kMachineKey[] = "Software\\K&V\\Lumo";
constexpr char kUserKey[] = "Software\\Lumo";

void SetMachineValue(const char* name, DWORD type, const void* data, DWORD size) {
  RegSetKeyValueA(HKEY_LOCAL_MACHINE, kMachineKey, name, type, data, size);
}

// A value of the per-user key, or nothing when it does not exist as a 32-bit integer.
std::optional<DWORD> Saved(const char* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  return RegGetValueA(HKEY_CURRENT_USER, kUserKey, name, RRF_RT_REG_DWORD, nullptr, &value,
                      &size) == ERROR_SUCCESS
             ? std::optional(value)
             : std::nullopt;
}

// The port list's selection, whether it can be used, and automatic monitoring.
using Shown = std::tuple<LRESULT, bool, bool>;

Shown Read(HWND main) {
  return {SendMessageW(Control(main, kIdComboBox2), CB_GETCURSEL, 0, 0),
          IsWindowEnabled(Control(main, kIdComboBox2)) != FALSE,
          SendMessageW(Control(main, kIdCheckBox1), BM_GETCHECK, 0, 0) == BST_CHECKED};
}

TEST(LumoSettings, MachineValuesAreShownAndTheShownOnesSavedPerUser) {
  struct Case {
    // Without a port there is no machine key; without AutoStart it is a text, without
    // UseComport there is no such value.
    std::optional<DWORD> port, auto_start, use_port;
    const wchar_t* error;  // the box of a value that cannot be read
    Shown shown;
    DWORD saved_port, saved_auto_start;
  };
  const Case cases[] = {
      {3, 0, 1, nullptr, {3, true, false}, 3, 0},
      // The per-user values of the run before are not read back.
      {{}, {}, {}, nullptr, {CB_ERR, false, true}, 0xFFFFFFFF, 1},
      // What was read before a failure stays, the rest keeps the defaults; a port beyond
      // the list selects none.
      {2, {}, 1, L"Invalid data type for 'AutoStart'", {2, false, true}, 2, 1},
      {10, 0, {}, L"Failed to get data for 'UseComport'", {CB_ERR, false, false}, 0xFFFFFFFF, 0},
  };
  const std::string dir = PrepareLumoDir("settings", "[WINDOW]\r\nCaption=checkout\r\n");
  RegDeleteTreeA(HKEY_CURRENT_USER, kUserKey);
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMachineKey);
    if (c.port) {
      SetMachineValue("Comport", REG_DWORD, &*c.port, sizeof(DWORD));
      if (c.auto_start) {
        SetMachineValue("AutoStart", REG_DWORD, &*c.auto_start, sizeof(DWORD));
      } else {
        SetMachineValue("AutoStart", REG_SZ, "0", 2);
      }
      if (c.use_port) {
        SetMachineValue("UseComport", REG_DWORD, &*c.use_port, sizeof(DWORD));
      }
    }
    LumoRun run{Process(dir + "Lumo.exe")};
    if (c.error) {
      HWND box = WaitForMessageBox(run.process.Id(), "Lumo");
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(MessageBoxText(box), c.error);
      EXPECT_TRUE(HasIcon(box));
      ASSERT_TRUE(PressButton(box, IDOK));
    }
    run.main = WaitForMainWindow(run.process);
    ASSERT_NE(run.main, nullptr);
    EXPECT_EQ(Read(run.main), c.shown);
    ASSERT_TRUE(ExitThroughMenu(run));
    ASSERT_TRUE(run.process.WaitForExit(5s));
    EXPECT_EQ(Saved("Comport"), c.saved_port);
    EXPECT_EQ(Saved("AutoStart"), c.saved_auto_start);
    EXPECT_EQ(Saved("UseComport"), std::nullopt);
  }
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMachineKey);
}

}  // namespace
}  // namespace lumo::test
