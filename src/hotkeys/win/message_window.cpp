#include "hotkeys/win/message_window.h"

namespace lumo {

namespace {

const wchar_t kWindowClass[] = L"LumoMessageWindow";

ATOM RegisterWindowClass(WNDPROC procedure) {
  static const ATOM atom = [procedure] {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = kWindowClass;
    return RegisterClassExW(&window_class);
  }();
  return atom;
}

}  // namespace

MessageWindow::~MessageWindow() {
  if (handle_) {
    // The derived part is gone: the window's last messages go straight to DefWindowProc.
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
    handle_ = nullptr;
  }
}

void MessageWindow::EnsureHandle() {
  if (handle_) {
    return;
  }
  RegisterWindowClass(WindowProcedure);
  // A message-only window: never shown, never in the way, still gets posted messages.
  CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                  GetModuleHandleW(nullptr), this);
}

HWND MessageWindow::Handle() {
  EnsureHandle();
  return handle_;
}

void MessageWindow::HandleMessage(WindowMessage& message) {
  PassToDefault(message);
}

void MessageWindow::PassToDefault(WindowMessage& message) {
  if (handle_) {
    message.Result = DefWindowProcW(handle_, message.Msg, message.WParam, message.LParam);
  }
}

LRESULT CALLBACK MessageWindow::WindowProcedure(HWND window, UINT msg, WPARAM wparam,
                                                LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* component =
        static_cast<MessageWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    component->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(component));
  }
  auto* component = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!component) {
    return DefWindowProcW(window, msg, wparam, lparam);
  }
  WindowMessage message{msg, wparam, lparam, 0};
  try {
    component->HandleMessage(message);
  } catch (const std::exception& error) {
    try {
      if (component->OnError) {
        component->OnError(error);
      }
    } catch (...) {
    }
  } catch (...) {
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    component->handle_ = nullptr;
  }
  return message.Result;
}

}  // namespace lumo
