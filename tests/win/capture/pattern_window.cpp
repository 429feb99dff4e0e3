#include "capture/pattern_window.h"

#include <chrono>

#include "support/process.h"

namespace lumo::test {

namespace {

constexpr char kClassName[] = "LumoCapturePattern";

void RegisterOnce(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
    window_class.lpszClassName = kClassName;
    return RegisterClassA(&window_class) != 0;
  }();
  (void)registered;
}

}  // namespace

PatternWindow::PatternWindow(POINT position, SIZE size, COLORREF background,
                             std::vector<PaintedRect> rects)
    : background_(background), rects_(std::move(rects)) {
  RegisterOnce(&PatternWindow::Procedure);
  window_ = CreateWindowExA(WS_EX_TOPMOST, kClassName, "Pattern", WS_POPUP | WS_CAPTION, position.x,
                            position.y, size.cx, size.cy, nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
  if (window_ != nullptr) {
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    // Let the X server map and expose the window before anyone copies it.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    WaitUntil([&] { return std::chrono::steady_clock::now() > until; }, std::chrono::seconds(1));
  }
}

PatternWindow::~PatternWindow() {
  Destroy();
}

void PatternWindow::Destroy() {
  if (window_ != nullptr) {
    DestroyWindow(window_);
    window_ = nullptr;
  }
}

POINT PatternWindow::ClientOrigin() const {
  RECT frame{};
  GetWindowRect(window_, &frame);
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  return {origin.x - frame.left, origin.y - frame.top};
}

void PatternWindow::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(window_, &client);
  const HBRUSH back = CreateSolidBrush(background_);
  FillRect(dc, &client, back);
  DeleteObject(back);
  for (const PaintedRect& painted : rects_) {
    const HBRUSH brush = CreateSolidBrush(painted.colour);
    FillRect(dc, &painted.rect, brush);
    DeleteObject(brush);
  }
}

LRESULT CALLBACK PatternWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<PatternWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr && message == WM_PAINT) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    self->window_ = window;
    self->Paint(dc);
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_ERASEBKGND) {
    return 1;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace lumo::test
