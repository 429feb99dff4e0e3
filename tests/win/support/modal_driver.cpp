#include "support/modal_driver.h"

#include <atomic>
#include <thread>

#include "support/input.h"
#include "support/message_box.h"
#include "support/process.h"

namespace lumo::test {

namespace {

struct Search {
  std::wstring class_name;
  HWND owner;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  if (pid == GetCurrentProcessId() && IsWindowVisible(window) && search->class_name == name &&
      (!search->owner || GetWindow(window, GW_OWNER) == search->owner)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CloseOne(HWND window, LPARAM) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  return TRUE;
}

}  // namespace

void DriveModal(const std::function<void()>& show, const std::function<void()>& driver) {
  const DWORD thread = GetCurrentThreadId();
  std::atomic<bool> shown_done = false;
  std::thread second([&] {
    driver();
    // A driver that left the window open would hang the suite: close what remains.
    for (int round = 0; round < 20 && !shown_done; ++round) {
      for (int wait = 0; wait < 25 && !shown_done; ++wait) {
        Sleep(20);
      }
      if (!shown_done) {
        EnumThreadWindows(thread, CloseOne, 0);
      }
    }
  });
  show();
  shown_done = true;
  second.join();
}

HWND WaitForWindow(const std::wstring& class_name, HWND owner, std::chrono::milliseconds timeout) {
  Search search{class_name, owner, nullptr};
  WaitUntil(
      [&] {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeout);
  // Let the window finish showing before it is driven.
  Sleep(100);
  return search.found;
}

std::wstring AnswerMessageBox(HWND owner) {
  HWND box = WaitForWindow(L"#32770", owner);
  if (!box) {
    return L"<no message box>";
  }
  const std::wstring text = MessageBoxText(box);
  PressKey(VK_RETURN);
  WaitForGone(box);
  return text;
}

bool WaitForGone(HWND window, std::chrono::milliseconds timeout) {
  return WaitUntil([&] { return !IsWindow(window) || !IsWindowVisible(window); }, timeout);
}

}  // namespace lumo::test
