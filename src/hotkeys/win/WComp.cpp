#include "hotkeys/win/WComp.h"

namespace lumo {

namespace {

const wchar_t kWindowClass[] = L"LumoComponentWindow";

ATOM RegisterComponentClass(WNDPROC procedure) {
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

TWindowedComponent::~TWindowedComponent() {
  if (FHandle) {
    // The derived part is gone: the window's last messages go straight to DefWindowProc.
    SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
    DestroyWindow(FHandle);
    FHandle = nullptr;
  }
}

void TWindowedComponent::HandleNeeded() {
  if (FHandle) {
    return;
  }
  RegisterComponentClass(WindowProcedure);
  // A message-only window: never shown, never in the way, still gets posted messages.
  CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                  GetModuleHandleW(nullptr), this);
}

HWND TWindowedComponent::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWindowedComponent::WndProc(TMessage& message) {
  DefaultHandler(message);
}

void TWindowedComponent::DefaultHandler(TMessage& message) {
  if (FHandle) {
    message.Result = DefWindowProcW(FHandle, message.Msg, message.WParam, message.LParam);
  }
}

LRESULT CALLBACK TWindowedComponent::WindowProcedure(HWND window, UINT msg, WPARAM wparam,
                                                     LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* component =
        static_cast<TWindowedComponent*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    component->FHandle = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(component));
  }
  auto* component = reinterpret_cast<TWindowedComponent*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!component) {
    return DefWindowProcW(window, msg, wparam, lparam);
  }
  TMessage message{msg, wparam, lparam, 0};
  try {
    component->WndProc(message);
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
    component->FHandle = nullptr;
  }
  return message.Result;
}

}  // namespace lumo
