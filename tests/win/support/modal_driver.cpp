#include "support/modal_driver.h"

#include <atomic>
#include <thread>

#include "support/input.h"
#include "support/message_box.h"
#include "support/process.h"
#include "support/screenshot.h"
#include "support/window_text.h"

namespace lumo::test {

namespace {

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
  std::string narrow;  // class names are ASCII
  for (const wchar_t c : class_name) {
    narrow += static_cast<char>(c);
  }
  HWND found = WaitForProcessWindow(GetCurrentProcessId(), narrow, "", owner, timeout);
  // Let the window finish showing before it is driven.
  Sleep(100);
  return found;
}

std::wstring AnswerMessageBox(HWND owner, std::wstring* caption, const std::string& screenshot) {
  HWND box = WaitForWindow(L"#32770", owner);
  if (!box) {
    return L"<no message box>";
  }
  if (caption) {
    *caption = TextOf(box);
  }
  if (!screenshot.empty()) {
    SaveScreenshot(box, screenshot);
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
