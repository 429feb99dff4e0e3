#include "editors/win/hkError.h"

#include "editors/win/modal_loop.h"

namespace lumo {

namespace {

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y,
           int width, int height, int id, HFONT font) {
  HWND child = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

}  // namespace

TfrmHotkeyError::TfrmHotkeyError(HWND owner) {
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT frame{0, 0, 260, 121};
  AdjustWindowRectEx(&frame, style, FALSE, ex_style);
  hwnd_ = CreateWindowExW(ex_style, kClassName, L"热键定义错误", style, 238, 197,
                          frame.right - frame.left, frame.bottom - frame.top, owner, nullptr,
                          GetModuleHandleW(nullptr), this);
  // A bold 8-point label; the code-page charset keeps a Chinese description readable.
  entry_font_ = CreateFontW(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
  Child(hwnd_, L"STATIC", L"This hotkey combination is in use by ", SS_LEFT, 12, 8, 241, 13,
        klblHotkeyUsed, EditorFont());
  Child(hwnd_, L"STATIC", L"<conflicting entry>", SS_LEFT, 12, 24, 241, 13, klblEntry, entry_font_);
  Child(hwnd_, L"STATIC", L"If you continue, only one of the hotkey combinations will be active",
        SS_LEFT, 12, 48, 241, 29, klblDescription, EditorFont());
  Child(hwnd_, L"BUTTON", L"继续", WS_TABSTOP | BS_DEFPUSHBUTTON, 50, 88, 75, 25, kbtnOk,
        EditorFont());
  Child(hwnd_, L"BUTTON", L"取消", WS_TABSTOP | BS_PUSHBUTTON, 130, 88, 75, 25, kbtnCancel,
        EditorFont());
}

TfrmHotkeyError::~TfrmHotkeyError() {
  if (hwnd_) {
    DestroyWindow(hwnd_);
  }
  DeleteObject(entry_font_);
}

void TfrmHotkeyError::SetEntry(const std::string& description) {
  SetWindowTextA(GetDlgItem(hwnd_, klblEntry), description.c_str());
}

void TfrmHotkeyError::SetDescription(const std::string& message) {
  SetWindowTextA(GetDlgItem(hwnd_, klblDescription), message.c_str());
}

int TfrmHotkeyError::ShowModal() {
  SetFocus(GetDlgItem(hwnd_, kbtnOk));
  RunModal(hwnd_, &modal_result_);
  return modal_result_;
}

LRESULT TfrmHotkeyError::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
        modal_result_ = LOWORD(wparam);
      }
      return 0;
    case WM_CLOSE:
      modal_result_ = IDCANCEL;
      return 0;
    default:
      return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
}

LRESULT CALLBACK TfrmHotkeyError::WindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<TfrmHotkeyError*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TfrmHotkeyError*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) {
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return self->Handle(message, wparam, lparam);
}

}  // namespace lumo
