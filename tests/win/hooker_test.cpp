// hooker.dll against a real register process: one WM_HOOKCLOSED for each attachment,
// whether the register window is closed or its process dies.
#include <windows.h>

#include <gtest/gtest.h>

#include "hooker.h"
#include "support/process.h"
#include "support/register_sim.h"

namespace lumo::test {
namespace {

// A message-only window that counts the hook library's reports.
class NotifyWindow {
 public:
  NotifyWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "LumoHookerTestNotify";
    RegisterClassA(&wc);
    hwnd_ = CreateWindowA(wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                          nullptr);
    reports_ = 0;
  }
  ~NotifyWindow() { DestroyWindow(hwnd_); }
  HWND Handle() const { return hwnd_; }
  int Reports() const { return reports_; }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_HOOKCLOSED) {
      ++reports_;
      return 0;
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  static inline int reports_ = 0;
  HWND hwnd_ = nullptr;
};

BOOL Attach(const RegisterSim& sim, const NotifyWindow& notify) {
  const DWORD thread = GetWindowThreadProcessId(sim.window, nullptr);
  return InstallAllHook(thread, notify.Handle(), sim.window);
}

// Pumps our messages for a while, so that a late second report would be counted.
void Settle(std::chrono::milliseconds time) {
  WaitUntil([] { return false; }, time);
}

TEST(Hooker, AClosedOrKilledRegisterIsReportedOnce) {
  for (const bool killed : {false, true}) {
    SCOPED_TRACE(killed ? "killed" : "closed");
    NotifyWindow notify;
    RegisterSim sim = StartRegisterSim();
    ASSERT_NE(Attach(sim, notify) & 0xFF, 0);
    if (killed) {
      sim.process.Kill();
    } else {
      Settle(std::chrono::milliseconds(200));
      EXPECT_EQ(notify.Reports(), 0);  // attached, nothing to report yet
      PostMessageA(sim.window, WM_CLOSE, 0, 0);
    }
    EXPECT_TRUE(WaitUntil([&] { return notify.Reports() > 0; }));
    // A closed window's process ends too: that is no second report.
    ASSERT_TRUE(sim.process.WaitForExit(std::chrono::seconds(5)));
    Settle(std::chrono::milliseconds(killed ? 300 : 500));
    EXPECT_EQ(notify.Reports(), 1);
    UnInstallHook();
  }
}

TEST(Hooker, DetachedOrReplacedAttachmentReportsNothing) {
  NotifyWindow notify;
  // Harmless with nothing attached, and twice.
  UnInstallHook();
  UnInstallHook();

  RegisterSim first = StartRegisterSim();
  RegisterSim second = StartRegisterSim();
  ASSERT_NE(Attach(first, notify) & 0xFF, 0);
  ASSERT_NE(Attach(second, notify) & 0xFF, 0);
  // Only the latest attachment counts.
  PostMessageA(first.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(first.process.WaitForExit(std::chrono::seconds(5)));
  Settle(std::chrono::milliseconds(300));
  EXPECT_EQ(notify.Reports(), 0);

  UnInstallHook();
  PostMessageA(second.window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(second.process.WaitForExit(std::chrono::seconds(5)));
  Settle(std::chrono::milliseconds(300));
  EXPECT_EQ(notify.Reports(), 0);
}

TEST(Hooker, RefusesWithoutAThreadOrAWindow) {
  NotifyWindow notify;
  EXPECT_EQ(InstallAllHook(0, notify.Handle(), notify.Handle()) & 0xFF, 0);
  RegisterSim sim = StartRegisterSim();
  const DWORD thread = GetWindowThreadProcessId(sim.window, nullptr);
  EXPECT_EQ(InstallAllHook(thread, notify.Handle(), nullptr) & 0xFF, 0);
  UnInstallHook();
}

}  // namespace
}  // namespace lumo::test
