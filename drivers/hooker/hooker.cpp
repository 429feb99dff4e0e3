// Runs in two processes: ours, which attaches and detaches, and the register program's,
// into which Windows loads the library for the thread hook. In the register process the
// hook procedure only compares and posts: it allocates nothing, waits for nothing and
// calls nothing that can fail loudly.
#include "hooker.h"

namespace {

// Shared by every process that has the library loaded, because the hook procedure runs in
// the register process and needs them there: whom to tell, which window to watch, and
// whether the attachment is still live. Each variable is initialised, or gcc leaves it out
// of the shared section.
__attribute__((section(".shr"), shared)) HWND g_notify = nullptr;
__attribute__((section(".shr"), shared)) HWND g_register = nullptr;
// Identifies the live attachment; 0 when there is none or its end was already reported.
// Whoever swaps it to 0 first (the hook in the register process, or the process wait in
// ours) sends the one WM_HOOKCLOSED of that attachment.
__attribute__((section(".shr"), shared)) volatile LONG g_attachment = 0;
__attribute__((section(".shr"), shared)) volatile LONG g_last_attachment = 0;

HINSTANCE g_instance = nullptr;

// Only in the process that attached: its hook, which no other process may unhook (a handle
// left behind by a Lumo that crashed is not the next one's to remove), and the wait on the
// register process.
HHOOK g_hook = nullptr;
HANDLE g_process = nullptr;
HANDLE g_wait = nullptr;

void ReportEnd(LONG attachment, HWND notify, WPARAM how) {
  if (attachment != 0 && InterlockedCompareExchange(&g_attachment, 0, attachment) == attachment) {
    PostMessageA(notify, WM_HOOKCLOSED, how, 0);
  }
}

LRESULT CALLBACK CbtProc(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_DESTROYWND && reinterpret_cast<HWND>(wparam) == g_register) {
    ReportEnd(g_attachment, g_notify, kHookClosedWindow);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

// Thread-pool callback: the register process ended, with or without destroying its window.
// After a normal close the hook has reported already and this finds nothing to do.
VOID CALLBACK ProcessEnded(PVOID context, BOOLEAN) {
  ReportEnd(static_cast<LONG>(reinterpret_cast<LONG_PTR>(context)), g_notify, kHookClosedProcess);
}

void StopWaiting() {
  if (g_wait != nullptr) {
    // Waits for a callback that is running, so none outlives the detach.
    UnregisterWaitEx(g_wait, INVALID_HANDLE_VALUE);
    g_wait = nullptr;
  }
  if (g_process != nullptr) {
    CloseHandle(g_process);
    g_process = nullptr;
  }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_instance = instance;
    DisableThreadLibraryCalls(instance);
  }
  return TRUE;
}

extern "C" BOOL WINAPI UnInstallHook(void) {
  InterlockedExchange(&g_attachment, 0);
  StopWaiting();
  BOOL result = TRUE;
  if (g_hook != nullptr) {
    // Fails harmlessly when the register thread has already ended.
    result = UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
  }
  g_register = nullptr;
  return result;
}

extern "C" BOOL WINAPI InstallAllHook(DWORD thread, HWND notify, HWND register_window) {
  UnInstallHook();
  if (thread == 0 || register_window == nullptr) {
    return FALSE;
  }
  g_notify = notify;
  g_register = register_window;
  HHOOK hook = SetWindowsHookExA(WH_CBT, CbtProc, g_instance, thread);
  if (hook == nullptr) {
    g_register = nullptr;
    return FALSE;
  }
  g_hook = hook;
  LONG attachment = InterlockedIncrement(&g_last_attachment);
  if (attachment == 0) {
    attachment = InterlockedIncrement(&g_last_attachment);
  }
  InterlockedExchange(&g_attachment, attachment);

  DWORD process_id = 0;
  GetWindowThreadProcessId(register_window, &process_id);
  if (process_id != 0 && process_id != GetCurrentProcessId()) {
    g_process = OpenProcess(SYNCHRONIZE, FALSE, process_id);
    if (g_process != nullptr &&
        !RegisterWaitForSingleObject(&g_wait, g_process, ProcessEnded,
                                     reinterpret_cast<PVOID>(static_cast<LONG_PTR>(attachment)),
                                     INFINITE, WT_EXECUTEONLYONCE)) {
      g_wait = nullptr;
    }
  }
  // The window may already be gone, before the hook could see it go.
  if (!IsWindow(register_window)) {
    ReportEnd(attachment, notify, kHookClosedWindow);
  }
  return TRUE;
}
