// The 32-bit calls into cts4r.dll and hooker.dll, made through the declarations and import
// libraries Lumo.exe links: each argument must arrive in its place, and each callee must
// remove exactly the arguments the caller pushed (stdcall), or the caller's stack drifts.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "hooker.h"
#include "platform/cts4r_api.h"
#include "platform/wnd.h"
#include "support/announcer_record.h"
#include "support/process.h"

static_assert(sizeof(void*) == 4, "these checks are about the 32-bit calls");

// Reads the stack pointer right before and right after the call, in the calling function.
#define EXPECT_STACK_BALANCED(call)                                 \
  do {                                                              \
    std::uintptr_t esp_before = 0;                                  \
    std::uintptr_t esp_after = 0;                                   \
    asm volatile("movl %%esp, %0" : "=r"(esp_before) : : "memory"); \
    call;                                                           \
    asm volatile("movl %%esp, %0" : "=r"(esp_after) : : "memory");  \
    EXPECT_EQ(esp_after, esp_before) << #call;                      \
  } while (false)

namespace lumo::test {
namespace {

constexpr char kRegisterArgument[] = "--register-window";

TEST(Bindings32, DriverCallsArriveWholeAndLeaveTheStackBalanced) {
  const std::string record = MakeProgramDir("bindings") + "announcer.log";
  SetEnvironmentVariableA("LUMO_ANNOUNCER_LOG", record.c_str());
  const std::int32_t rect[4] = {-1, 2, 239, 35};
  EXPECT_STACK_BALANCED(Cls(-7));
  EXPECT_STACK_BALANCED(PrintText(1, 2, "\xD3\xA6\xCA\xD5 12.50"));
  EXPECT_STACK_BALANCED(SoundOut("12.50"));
  EXPECT_STACK_BALANCED(DrawImage(3, 4, "C:\\ad\\a.bmp", rect));
  EXPECT_STACK_BALANCED(DrawImage(5, 6, "C:\\tmp.bmp", nullptr));
  SetEnvironmentVariableA("LUMO_ANNOUNCER_LOG", nullptr);
  EXPECT_EQ(Summaries(AnnouncerRecord(record).Calls()),
            (std::vector<std::string>{"Cls -7", "PrintText 1 2 \xD3\xA6\xCA\xD5 12.50",
                                      "SoundOut 12.50", "DrawImage 3 4 C:\\ad\\a.bmp -1,2,239,35",
                                      "DrawImage 5 6 C:\\tmp.bmp null"}));
}

// The notify window is one of the program's own windows: WM_HOOKCLOSED reaches it through
// the window procedure that finds the object by GWLP_USERDATA.
class NotifyWnd : public Wnd {
 public:
  int Reports = 0;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    if (message == WM_HOOKCLOSED) {
      ++Reports;
      return 0;
    }
    return Wnd::HandleMessage(message, wparam, lparam);
  }
};

TEST(Bindings32, HookInTheRegisterProcessReportsItsClosedWindow) {
  NotifyWnd notify;
  notify.CreateWnd({.class_name = L"LumoBindingsNotify", .style = WS_OVERLAPPED});
  Process register_process(BinDir() + "lumo_bindings_tests.exe", kRegisterArgument);
  const HWND window = WindowOf(register_process.Id(), "Static");
  ASSERT_NE(window, nullptr);
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  // Thread 0 would hook every program; without a window there is nothing to watch.
  EXPECT_EQ(InstallAllHook(0, notify.Handle(), window) & 0xFF, 0);
  EXPECT_EQ(InstallAllHook(thread, notify.Handle(), nullptr) & 0xFF, 0);
  BOOL attached = FALSE;
  EXPECT_STACK_BALANCED(attached = InstallAllHook(thread, notify.Handle(), window));
  ASSERT_NE(attached & 0xFF, 0);
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return notify.Reports > 0; }));
  // The register process lives on: the report came from the hook inside it.
  EXPECT_TRUE(register_process.Running());
  EXPECT_STACK_BALANCED(UnInstallHook());
  EXPECT_EQ(notify.Reports, 1);
}

// The register program's stand-in: a plain window whose process outlives it.
int RunRegisterWindow() {
  CreateWindowA("Static", "register", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 100, nullptr,
                nullptr, nullptr, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    DispatchMessageA(&message);
  }
  return 0;
}

}  // namespace
}  // namespace lumo::test

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], lumo::test::kRegisterArgument) == 0) {
    return lumo::test::RunRegisterWindow();
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
