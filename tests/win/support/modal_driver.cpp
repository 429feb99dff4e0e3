#include "support/modal_driver.h"

#include <atomic>
#include <thread>

#include "support/input.h"
#include "support/message_box.h"
#include "support/process.h"

namespace lumo::test {

void DriveModal(const std::function<void()>& show, const std::function<void()>& driver) {
  const DWORD thread = GetCurrentThreadId();
  std::atomic<bool> shown_done = false;
  std::thread second([&] {
    driver();
    // A driver that left the window open would hang the suite: close what remains.
    for (int wait = 0; wait < 500 && !shown_done; ++wait) {
      Sleep(20);
      if (wait % 25 == 24 && !shown_done) {
        EnumThreadWindows(
            thread, [](HWND window, LPARAM) { return PostMessageW(window, WM_CLOSE, 0, 0); }, 0);
      }
    }
  });
  show();
  shown_done = true;
  second.join();
}

HWND WaitForWindow(const std::wstring& class_name, HWND owner, std::chrono::milliseconds timeout) {
  const std::string narrow(class_name.begin(), class_name.end());  // class names are ASCII
  HWND found = WaitForProcessWindow(GetCurrentProcessId(), narrow, "", owner, timeout);
  Sleep(100);
  return found;
}

std::wstring AnswerMessageBox(HWND owner, std::wstring* caption) {
  HWND box = WaitForWindow(L"#32770", owner);
  if (!box) {
    return L"<no message box>";
  }
  if (caption) {
    *caption = TextOf(box);
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
