#include "platform/wnd.h"

#include <stdexcept>

#include "platform/message_boxes.h"

namespace lumo {

namespace {

HFONT MakeUiFont(bool underline) {
  return CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
                     GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, L"宋体");
}

void RegisterOnce(const WindowArgs& args, WNDPROC proc) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), args.class_name, &existing)) {
    return;
  }
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = args.icon;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = args.class_name;
  if (!RegisterClassExW(&wc)) {
    throw std::runtime_error("cannot register a window class");
  }
}

}  // namespace

Wnd::~Wnd() {
  Destroy();
}

void Wnd::CreateWnd(const WindowArgs& args) {
  RegisterOnce(args, StaticProc);
  RECT rect{0, 0, args.width, args.height};
  if (args.client_size) {
    AdjustWindowRectEx(&rect, args.style, FALSE, args.ex_style);
  }
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  HWND hwnd = CreateWindowExW(args.ex_style, args.class_name, args.title, args.style, x, y, width,
                              height, args.owner, nullptr, GetModuleHandleW(nullptr), this);
  if (hwnd == nullptr) {
    throw std::runtime_error("cannot create a window");
  }
  if (args.icon != nullptr) {
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(args.icon));
  }
}

void Wnd::Destroy() {
  if (hwnd_ != nullptr) {
    DestroyWindow(hwnd_);
  }
}

LRESULT Wnd::DefaultProc(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT Wnd::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(LOWORD(wparam), HIWORD(wparam), reinterpret_cast<HWND>(lparam))) {
        return 0;
      }
      break;
    case WM_TIMER:
      OnTimer(wparam);
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      break;
  }
  return DefaultProc(message, wparam, lparam);
}

LRESULT CALLBACK Wnd::StaticProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  Wnd* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Wnd*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Wnd*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (self == nullptr) {
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return AtMessageBoundary([&] { return self->HandleMessage(message, wparam, lparam); });
}

HWND CreateControl(HWND parent, const ControlArgs& args) {
  HWND control = CreateWindowExW(
      args.ex_style, args.class_name, args.text, WS_CHILD | WS_VISIBLE | args.style, args.x, args.y,
      args.width, args.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
      GetModuleHandleW(nullptr), nullptr);
  if (control == nullptr) {
    throw std::runtime_error("cannot create a control");
  }
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(args.font ? args.font : UiFont()),
               FALSE);
  return control;
}

namespace {

SIZE TextSize(HWND window, HFONT font, const wchar_t* text) {
  SIZE size{0, 12};
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size;
}

}  // namespace

HWND CreateLabel(HWND parent, int id, const wchar_t* text, int x, int y, HFONT font) {
  if (font == nullptr) {
    font = UiFont();
  }
  const SIZE size = TextSize(parent, font, text);
  return CreateControl(parent, {.class_name = L"STATIC",
                                .text = text,
                                .x = x,
                                .y = y,
                                .width = size.cx,
                                .height = size.cy,
                                .id = id,
                                .style = SS_LEFT | SS_NOPREFIX,
                                .font = font});
}

void SetLabelText(HWND label, const std::wstring& text) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
  const SIZE size = TextSize(label, font != nullptr ? font : UiFont(), text.c_str());
  SetWindowTextW(label, text.c_str());
  SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(label, nullptr, TRUE);
}

HFONT UiFont() {
  static HFONT font = MakeUiFont(false);
  return font;
}

HFONT UiFontUnderlined() {
  static HFONT font = MakeUiFont(true);
  return font;
}

std::wstring WindowTextOf(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

}  // namespace lumo
