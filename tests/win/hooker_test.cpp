// hooker.dll against real register processes, where Lumo's own use of it does not reach:
// an attachment without a thread or a window, and one attachment replacing another.
#include <windows.h>

#include <gtest/gtest.h>

#include "hooker.h"
#include "support/register_sim.h"

namespace lumo::test {
namespace {

using namespace std::chrono_literals;

int g_reports = 0;

LRESULT CALLBACK CountReports(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_HOOKCLOSED) {
    ++g_reports;
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

TEST(Hooker, RefusesWithoutThreadOrWindowAndALaterAttachmentReplacesTheEarlier) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = CountReports;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = "LumoHookerTestNotify";
  RegisterClassA(&window_class);
  HWND notify = CreateWindowA(window_class.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              window_class.hInstance, nullptr);
  RegisterSim first = StartRegisterSim();
  RegisterSim second = StartRegisterSim();
  const auto attach = [&](DWORD thread, HWND window) {
    return InstallAllHook(thread, notify, window) & 0xFF;
  };
  const DWORD first_thread = GetWindowThreadProcessId(first.window, nullptr);
  EXPECT_EQ(attach(0, first.window), 0);  // thread 0 would hook every program
  EXPECT_EQ(attach(first_thread, nullptr), 0);
  ASSERT_NE(attach(first_thread, first.window), 0);
  ASSERT_NE(attach(GetWindowThreadProcessId(second.window, nullptr), second.window), 0);

  PostMessageA(first.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(first.process.WaitForExit(5s));
  Pump(300ms);
  EXPECT_EQ(g_reports, 0);
  second.process.Kill();
  EXPECT_TRUE(WaitUntil([] { return g_reports > 0; }));
  Pump(300ms);
  EXPECT_EQ(g_reports, 1);
  UnInstallHook();
  DestroyWindow(notify);
}

}  // namespace
}  // namespace lumo::test
